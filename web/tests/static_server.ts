// A static file server on the loopback address for the built page: used by
// `make serve-web` and by the browser tests. Serves one folder, nothing else.
import { createReadStream, statSync } from "node:fs";
import { createServer, Server } from "node:http";
import { extname, join, normalize, resolve, sep } from "node:path";

const kTypes: Record<string, string> = {
  ".html": "text/html; charset=utf-8",
  ".js": "text/javascript; charset=utf-8",
  ".css": "text/css; charset=utf-8",
  ".json": "application/json",
  ".wasm": "application/wasm",
  ".svg": "image/svg+xml",
  ".webmanifest": "application/manifest+json",
  ".txt": "text/plain; charset=utf-8",
};

export interface RunningServer {
  url: string;
  close(): Promise<void>;
}

// The file under `root` that a request path names, or nothing when the path
// leaves the folder or names no file.
export function fileFor(root: string, requestPath: string): string | undefined {
  const path = decodeURIComponent(requestPath.split("?")[0]);
  const file = normalize(join(root, path.endsWith("/") ? path + "index.html" : path));
  if (file !== root && !file.startsWith(root + sep)) return undefined;
  try {
    return statSync(file).isFile() ? file : undefined;
  } catch {
    return undefined;
  }
}

// The folder is served under `prefix` ("/" or "/some/path/"), as a static
// host may place the page below its root.
export function startStaticServer(folder: string, port = 0, prefix = "/"): Promise<RunningServer> {
  const root = resolve(folder);
  const server: Server = createServer((request, response) => {
    let file: string | undefined;
    const url = request.url ?? "/";
    try {
      file = url.startsWith(prefix) ? fileFor(root, `/${url.slice(prefix.length)}`) : undefined;
    } catch {
      file = undefined; // a malformed escape in the path
    }
    if (!file || (request.method !== "GET" && request.method !== "HEAD")) {
      response.writeHead(404, { "content-type": "text/plain" }).end("not found\n");
      return;
    }
    response.writeHead(200, {
      "content-type": kTypes[extname(file)] ?? "application/octet-stream",
      "cache-control": "no-cache",
    });
    if (request.method === "HEAD") response.end();
    else createReadStream(file).pipe(response);
  });
  return new Promise((resolvePromise, reject) => {
    server.once("error", reject);
    server.listen(port, "127.0.0.1", () => {
      const address = server.address();
      const actualPort = typeof address === "object" && address ? address.port : port;
      resolvePromise({
        url: `http://127.0.0.1:${actualPort}${prefix}`,
        close: () => new Promise((done) => server.close(() => done())),
      });
    });
  });
}
