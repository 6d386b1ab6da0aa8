// The unit tests of the page's logic in one bundle, run in one node process:
// what `npm run test:unit` and the mutation testing run.
import "./front_end.test";
import "./plots.test";
import "./tables.test";
import "./exercise.test";
import "./schematic.test";
import "./parameters.test";
import "./region_picture.test";
import "./svg_context.test";
import "./rtf_to_html.test";
