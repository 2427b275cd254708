"""A browser, or a browser's driver, as the tests start and end it."""
import os
import signal
import subprocess
import tempfile


class BrowserProcess:
    """A browser or driver process with a folder of its own for its profile and log,
    started as `args(folder)` in a session of its own, so that ending it ends its
    helpers too."""

    def __init__(self, args, environment, prefix):
        self.folder = tempfile.TemporaryDirectory(prefix=prefix)
        self.log = open(os.path.join(self.folder.name, "browser.log"), "w")
        self.process = subprocess.Popen(args(self.folder.name), stdout=self.log, stderr=subprocess.STDOUT,
                                        env=environment, start_new_session=True)

    def close(self):
        if self.process.poll() is None:
            os.killpg(self.process.pid, signal.SIGTERM)
            try:
                self.process.wait(10)
            except subprocess.TimeoutExpired:
                os.killpg(self.process.pid, signal.SIGKILL)
                self.process.wait()
        self.log.close()
        self.folder.cleanup()
