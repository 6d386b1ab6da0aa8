// `make serve-web`: node serve.mjs FOLDER [PORT] serves the built page on
// 127.0.0.1 until Ctrl+C.
import { resolve } from "node:path";
import { startStaticServer } from "./static_server";

const [folder = ".", port = "8080"] = process.argv.slice(2);
startStaticServer(folder, Number(port)).then((server) =>
  console.log(`Serving ${resolve(folder)} at ${server.url} (Ctrl+C ends)`),
);
