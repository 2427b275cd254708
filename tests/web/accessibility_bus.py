"""A desktop's accessibility bus of the test's own, with a screen reader's view of
it: a private D-Bus session bus, the AT-SPI bus launcher on it with accessibility
and the screen reader on (as on a desktop where one runs), and the test's own
process reading what the browser on that bus shows through AT-SPI
(gir1.2-atspi-2.0), as Orca reads it."""
import os
import subprocess
import tempfile
import time


class AccessibilityBus:
    def __init__(self):
        self.folder = tempfile.TemporaryDirectory(prefix="quillmere-a11y-")
        self.session = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                                        stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        self.address = self.session.stdout.readline().decode().strip()
        if not self.address:
            self.close()
            raise RuntimeError("the session bus never gave its address")
        self.environment = {"DBUS_SESSION_BUS_ADDRESS": self.address, "XDG_RUNTIME_DIR": self.folder.name,
                            # Toolkits that look for a screen reader here find one.
                            "GNOME_ACCESSIBILITY": "1"}
        self.launcher = subprocess.Popen(
            ["/usr/libexec/at-spi-bus-launcher", "--launch-immediately", "--a11y=1", "--screen-reader=1"],
            env={**os.environ, **self.environment}, stderr=subprocess.DEVNULL)
        # The reader is this process: it reads the bus that the browser writes to.
        os.environ.update(self.environment)
        import gi
        gi.require_version("Atspi", "2.0")
        from gi.repository import Atspi
        self.atspi = Atspi
        Atspi.init()

    def nodes(self, accessible=False):
        """(role, name, text, attributes, child count) of everything the applications on
        the bus show; with `accessible`, each with the node itself last."""
        seen = []
        desktop = self.atspi.get_desktop(0)
        pending = [desktop.get_child_at_index(i) for i in range(desktop.get_child_count())]
        while pending:
            node = pending.pop()
            if node is None:
                continue
            try:
                text = node.get_text(0, -1) if node.get_text_iface() else ""
                seen.append((node.get_role_name(), node.get_name(), text, node.get_attributes() or {},
                             node.get_child_count(), *([node] if accessible else [])))
                pending += [node.get_child_at_index(i) for i in range(node.get_child_count())]
            except Exception:  # a node gone while read: the page changed under the reader
                continue
        return seen

    def press(self, role, name):
        """Does the first action of the first node of `role` named `name`, as a screen reader's Enter does."""
        node = next(node for node in self.nodes(accessible=True) if node[:2] == (role, name))[-1]
        node.do_action(0)

    def wait_for(self, holds, timeout=10):
        """The nodes once `holds(nodes)` is true; None when it never is within `timeout` seconds."""
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            nodes = self.nodes()
            if holds(nodes):
                return nodes
            time.sleep(0.1)
        return None

    def close(self):
        for process in (getattr(self, "launcher", None), self.session):
            if process and process.poll() is None:
                process.terminate()
                process.wait()
        self.folder.cleanup()
