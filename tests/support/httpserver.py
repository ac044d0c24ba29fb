#!/usr/bin/env python3
"""A small HTTP server for tests (stdlib only).

Routes come from a JSON list, given with --routes TEXT or --config FILE:
  [{"path": "/a", "query": "x=1", "status": 200, "body": "text",
    "headers": {"Content-Type": "text/plain"}, "delay": 2.5,
    "drop": true, "truncate": true}, ...]
A route matches when its path equals the request's path and, when it has a
"query", the query equals too; the first match wins, else 404. "delay" waits
that many seconds before answering; "drop" closes the connection without a
reply; "truncate" announces the whole body but sends half of it and closes.
Requests through a proxy (absolute URL in the request line) match on their
path and query as well, so the server serves as a proxy target too.

Every request is appended to --log as one JSON line:
  {"line": "GET /a?x=1 HTTP/1.1", "headers": [["Host", "..."], ...]}
The server listens on 127.0.0.1 at a free port and prints "PORT <n>" on a
line of its own (and writes the number to --port-file when given). It ends
when its parent process goes away.
"""
import argparse
import json
import os
import socket
import sys
import threading
import time
import urllib.parse
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer


def load_routes(args):
    if args.config:
        with open(args.config, encoding="utf-8") as f:
            return json.load(f)
    if args.routes:
        return json.loads(args.routes)
    return []


class Handler(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"
    routes = []
    log_path = None
    log_lock = threading.Lock()

    def log_message(self, fmt, *args):  # keep the test output quiet
        pass

    def record(self):
        if not self.log_path:
            return
        entry = {"line": self.requestline, "headers": [[k, v] for k, v in self.headers.items()]}
        with self.log_lock, open(self.log_path, "a", encoding="utf-8") as f:
            f.write(json.dumps(entry) + "\n")

    def find_route(self):
        target = urllib.parse.urlsplit(self.path)
        for route in self.routes:
            if route.get("path") != target.path:
                continue
            if "query" in route and route["query"] != target.query:
                continue
            return route
        return None

    def do_GET(self):
        self.record()
        route = self.find_route()
        if route is None:
            route = {"status": 404, "body": "not found"}
        time.sleep(float(route.get("delay", 0)))
        if route.get("drop"):
            self.close_connection = True
            try:
                self.connection.shutdown(socket.SHUT_RDWR)
            except OSError:
                pass
            return
        body = route.get("body", "").encode("utf-8")
        try:
            self.send_response(int(route.get("status", 200)))
            headers = route.get("headers", {})
            for name, value in headers.items():
                self.send_header(name, value)
            if "Content-Type" not in headers:
                self.send_header("Content-Type", "text/plain; charset=utf-8")
            self.send_header("Content-Length", str(len(body)))
            self.end_headers()
            if route.get("truncate"):
                self.wfile.write(body[: len(body) // 2])
                self.wfile.flush()
                self.close_connection = True
                self.connection.shutdown(socket.SHUT_RDWR)
                return
            self.wfile.write(body)
        except (BrokenPipeError, ConnectionResetError):
            self.close_connection = True  # the client gave up (time-out)


def watch_parent(parent):
    while True:
        if os.getppid() != parent:
            os._exit(0)
        time.sleep(0.5)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--config", help="JSON file with the routes")
    parser.add_argument("--routes", help="JSON text with the routes")
    parser.add_argument("--log", help="file that receives one JSON line per request")
    parser.add_argument("--port-file", help="file that receives the port")
    args = parser.parse_args()

    Handler.routes = load_routes(args)
    Handler.log_path = args.log
    server = ThreadingHTTPServer(("127.0.0.1", 0), Handler)
    server.daemon_threads = True
    port = server.server_address[1]
    if args.port_file:
        with open(args.port_file, "w", encoding="utf-8") as f:
            f.write(f"{port}\n")
    print(f"PORT {port}", flush=True)
    threading.Thread(target=watch_parent, args=(os.getppid(),), daemon=True).start()
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass
    return 0


if __name__ == "__main__":
    sys.exit(main())
