// Lets the models' tests import the page's npm packages from the folder the build installs them
// in, named by PRUEFER_NODE_MODULES, as the bundler does, so that the tests run on the sources as
// they stand: node --import ./packages.mjs --test ...
import { register } from "node:module";
import { pathToFileURL } from "node:url";

const folder = process.env.PRUEFER_NODE_MODULES;
if (folder) {
  register("./resolve_packages.mjs", import.meta.url, { data: { parent: pathToFileURL(`${folder}/`).href } });
}
