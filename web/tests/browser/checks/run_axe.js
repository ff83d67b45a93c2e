const done = arguments[arguments.length - 1];
axe.run(document).then((result) => done(result.violations.map(
    (v) => `${v.id} (${v.impact}): ${v.nodes.map((n) => n.target.join(" ")).join(", ")}`)));
