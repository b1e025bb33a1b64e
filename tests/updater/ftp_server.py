#!/usr/bin/python3
"""The update server of the tests: the update account on loopback.

    ftp_server.py <served folder> <port file> <drive c: folder>

Serves the folder to the user "qorud" (password "wenlorb415") on a free port
of 127.0.0.1, writes the port into the port file once it listens, and ends
when its parent ends. Files whose names start with these prefixes misbehave
as a failing line or a foreign server would:
- "cut-": the server sends half of the file and then drops the connection;
- "last-": the file arrives whole, then the server ends the session;
- "grow-": the server sends more bytes than its listing gives;
- "slow-": the first SLOW_AFTER bytes come at full speed, the rest over a
  throttled data channel at SLOW_RATE bytes a second, in small steady pieces.

Two SITE commands make the folder links that the test programs under Wine
cannot make themselves (Wine shows a Unix symbolic link as a reparse point):
    SITE LINK c:\\link c:\\target    SITE UNLINK c:\\link
with paths on drive c: of the test prefix, whose folder is the third argument.

Two more map a folder on drive c: as a drive root or a network share of the
prefix, and take the mapping away again:
    SITE MAP d: c:\\folder    SITE MAP \\\\server\\share c:\\folder    SITE UNMAP <name>

A third runs a Windows program of the tests in the same prefix when a file is
asked for, and sends the file once the program has ended:
    SITE INTRUDE <remote file> <program> [arguments...]
(one run; no blanks in the paths).
"""
import logging
import os
import subprocess
import sys

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler, ThrottledDTPHandler
from pyftpdlib.servers import FTPServer

GROWN_BY = 4096
SLOW_AFTER = 2 << 20
SLOW_RATE = 16 << 10


class SlowTailDTPHandler(ThrottledDTPHandler):
    """A data channel that turns slow once SLOW_AFTER bytes of a "slow-" file
    are sent: then a piece of ac_out_buffer_size bytes at a time, each followed
    by the pause that keeps to SLOW_RATE, so the line is slow but never still."""

    ac_out_buffer_size = 2048

    def send(self, data):
        if not getattr(self.cmd_channel, "slow_transfer", False) or self.tot_bytes_sent < SLOW_AFTER:
            return super(ThrottledDTPHandler, self).send(data)
        sent = super(ThrottledDTPHandler, self).send(data[: self.ac_out_buffer_size])
        if sent > 0:
            self.del_channel()
            self._cancel_throttler()
            self._throttler = self.ioloop.call_later(
                sent / SLOW_RATE, lambda: self.add_channel(events=self.ioloop.WRITE), _errback=self.handle_error
            )
        return sent


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
    drive_c = None
    proto_cmds = dict(FTPHandler.proto_cmds)
    proto_cmds["SITE LINK"] = dict(
        perm=None, auth=True, arg=True, help="Syntax: SITE LINK <link> <target> (folder link on c:)."
    )
    proto_cmds["SITE UNLINK"] = dict(
        perm=None, auth=True, arg=True, help="Syntax: SITE UNLINK <link> (removes a folder link on c:)."
    )
    proto_cmds["SITE INTRUDE"] = dict(
        perm=None, auth=True, arg=True, help="Syntax: SITE INTRUDE <remote file> <program> [args] (runs it on RETR)."
    )
    proto_cmds["SITE MAP"] = dict(
        perm=None, auth=True, arg=True, help="Syntax: SITE MAP <d: or \\\\server\\share> <folder on c:>."
    )
    proto_cmds["SITE UNMAP"] = dict(
        perm=None, auth=True, arg=True, help="Syntax: SITE UNMAP <d: or \\\\server\\share>."
    )

    def mapping(self, name):
        """The dosdevices entry that maps a drive letter or a share, or None."""
        devices = os.path.join(os.path.dirname(self.drive_c), "dosdevices")
        if len(name) == 2 and name[0].isalpha() and name[1] == ":" and name.lower() not in ("b:", "c:", "z:"):
            return os.path.join(devices, name.lower())
        parts = name.split("\\")
        if len(parts) == 4 and parts[:2] == ["", ""] and all(p and p not in (".", "..") for p in parts[2:]):
            return os.path.join(devices, "unc", parts[2].lower(), parts[3].lower())
        return None

    def ftp_SITE_MAP(self, line):
        parts = line.split(" ")
        entry = self.mapping(parts[0]) if len(parts) == 2 else None
        folder = self.on_drive_c(parts[1]) if entry else None
        if folder is None:
            self.respond("501 A drive or share and a folder on drive c: are needed.")
            return
        os.makedirs(os.path.dirname(entry), exist_ok=True)
        if os.path.islink(entry):
            os.unlink(entry)
        os.symlink(folder, entry)
        self.respond("200 Mapped.")

    def ftp_SITE_UNMAP(self, line):
        entry = self.mapping(line)
        if entry is None or not os.path.islink(entry):
            self.respond("550 Not mapped.")
            return
        os.unlink(entry)
        self.respond("200 Unmapped.")

    # Remote file name -> the command line to run when it is asked for.
    intruders = {}

    def ftp_SITE_INTRUDE(self, line):
        parts = line.split(" ")
        if len(parts) < 2:
            self.respond("501 A remote file and a program are needed.")
            return
        UpdateHandler.intruders[os.path.basename(parts[0])] = parts[1:]
        self.respond("200 Program set.")

    def run_intruder(self, file):
        command = UpdateHandler.intruders.pop(os.path.basename(file), None)
        if command:
            subprocess.run(["wine", *command], stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL, timeout=120, check=False)

    def ftp_RETR(self, file):
        self.run_intruder(file)
        name = os.path.basename(file)
        self.slow_transfer = name.startswith("slow-")
        if not name.startswith(("cut-", "grow-")):
            return super().ftp_RETR(file)
        try:
            with open(file, "rb") as source:
                data = source.read()
        except OSError as error:
            self.respond("550 %s." % error.strerror)
            return None
        if name.startswith("cut-"):
            self.push_dtp_data(HalfThenDrop(self, data), isproducer=True, cmd="RETR")
        else:
            self.push_dtp_data(data + b"\0" * GROWN_BY, cmd="RETR")
        return file

    def on_file_sent(self, file):
        if os.path.basename(file).startswith("last-"):
            self.close_when_done()

    def on_drive_c(self, path):
        """The Unix path of a path on drive c: of the test prefix, or None."""
        if len(path) < 3 or path[:3].lower() != "c:\\" or ".." in path.split("\\"):
            return None
        return os.path.join(self.drive_c, *[part for part in path[3:].split("\\") if part])

    def ftp_SITE_LINK(self, line):
        parts = line.split(" ")
        paths = [self.on_drive_c(part) for part in parts] if len(parts) == 2 else [None]
        if None in paths:
            self.respond("501 Two paths on drive c: are needed.")
            return
        try:
            os.symlink(paths[1], paths[0], target_is_directory=True)
        except OSError as error:
            self.respond("550 %s." % error.strerror)
            return
        self.respond("200 Link made.")

    def ftp_SITE_UNLINK(self, line):
        path = self.on_drive_c(line)
        if path is None or not os.path.islink(path):
            self.respond("550 No link there.")
            return
        os.unlink(path)
        self.respond("200 Link removed.")


def main():
    served, port_file, drive_c = sys.argv[1], sys.argv[2], sys.argv[3]
    logging.basicConfig(level=logging.WARNING, stream=sys.stderr)
    authorizer = DummyAuthorizer()
    authorizer.add_user("qorud", "wenlorb415", served, perm="elr")
    UpdateHandler.authorizer = authorizer
    UpdateHandler.banner = "update server of the tests"
    UpdateHandler.drive_c = drive_c
    UpdateHandler.dtp_handler = SlowTailDTPHandler
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
