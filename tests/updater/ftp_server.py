#!/usr/bin/python3
"""The update server of the tests: the update account on loopback.

    ftp_server.py <served folder> <port file>

Serves the folder to the user "qorud" (password "wenlorb415") on a free port
of 127.0.0.1, writes the port into the port file once it listens, and ends
when its parent ends. A file whose name starts with "cut-" breaks off: the
server sends half of it and then drops the connection, as a failing line would.
"""
import logging
import os
import sys

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer


class HalfThenDrop:
    """A producer that gives half of a file and then drops the session."""

    def __init__(self, handler, data):
        self.handler = handler
        self.data = data[: len(data) // 2]

    def more(self):
        if self.data:
            data, self.data = self.data, b""
            return data
        self.handler.close()
        return b""


class UpdateHandler(FTPHandler):
    def ftp_RETR(self, file):
        if not os.path.basename(file).startswith("cut-"):
            return super().ftp_RETR(file)
        try:
            with open(file, "rb") as source:
                data = source.read()
        except OSError as error:
            self.respond("550 %s." % error.strerror)
            return None
        self.push_dtp_data(HalfThenDrop(self, data), isproducer=True, cmd="RETR")
        return file


def main():
    served, port_file = sys.argv[1], sys.argv[2]
    logging.basicConfig(level=logging.WARNING, stream=sys.stderr)
    authorizer = DummyAuthorizer()
    authorizer.add_user("qorud", "wenlorb415", served, perm="elr")
    UpdateHandler.authorizer = authorizer
    UpdateHandler.banner = "update server of the tests"
    server = FTPServer(("127.0.0.1", 0), UpdateHandler)

    parent = os.getppid()

    def end_with_parent():
        if os.getppid() != parent:
            server.close_all()
            os._exit(0)

    server.ioloop.call_every(1.0, end_with_parent)
    with open(port_file + ".part", "w") as out:
        out.write(str(server.socket.getsockname()[1]))
    os.replace(port_file + ".part", port_file)
    server.serve_forever(handle_exit=False)


if __name__ == "__main__":
    main()
