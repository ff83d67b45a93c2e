// Resolves a package's bare name ("d3-hierarchy") as from the folder the packages are installed in.
let parent = null;

export function initialize(data) {
  parent = data.parent;
}

export function resolve(specifier, context, next) {
  const bare = !/^(\.|\/|[a-z]+:)/.test(specifier);
  return next(specifier, bare ? { ...context, parentURL: parent } : context);
}
