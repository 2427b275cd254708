"""A PulseAudio server of the test's own and the ears on it, as the desktop sound
tests have them (tests/support/SoundServer, MonitorRecording): a private daemon
whose only sink is a null sink, on a socket in a temporary folder, and its monitor
recorded by parec at one millisecond's latency with the time each sample played.
Also a private X server for a browser that plays sound, which a headless one does
not."""
import array
import os
import subprocess
import tempfile
import threading
import time

RATE = 48000
# A sample above this (1 % of full scale) is heard.
AUDIBLE = 328


class SoundServer:
    def __init__(self):
        self.folder = tempfile.TemporaryDirectory(prefix="quillmere-pulse-")
        home = self.folder.name
        with open(os.path.join(home, "server.pa"), "w") as script:
            script.write(f"load-module module-null-sink sink_name=quillmere rate={RATE}\n"
                         f"load-module module-native-protocol-unix socket={home}/native auth-anonymous=1\n"
                         "set-default-sink quillmere\n")
        env = {k: v for k, v in os.environ.items()
               if k not in ("DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "PULSE_SERVER", "PULSE_COOKIE")}
        env.update(HOME=home, XDG_RUNTIME_DIR=home, XDG_CONFIG_HOME=os.path.join(home, ".config"))
        self.log = open(os.path.join(home, "daemon.log"), "w")
        self.daemon = subprocess.Popen(
            ["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--disallow-exit", "--use-pid-file=no",
             "--realtime=no", "--high-priority=no", "--log-target=stderr", "-F", os.path.join(home, "server.pa")],
            env=env, stdout=self.log, stderr=subprocess.STDOUT)
        self.address = f"unix:{home}/native"
        deadline = time.monotonic() + 15
        while not self._answers():
            if time.monotonic() > deadline or self.daemon.poll() is not None:
                self.close()
                raise RuntimeError(f"pulseaudio never took connections; see {home}/daemon.log")
            time.sleep(0.05)

    def client_environment(self, base=None):
        env = dict(os.environ if base is None else base)
        env.update(PULSE_SERVER=self.address,
                   PULSE_COOKIE=os.path.join(self.folder.name, ".config", "pulse", "cookie"))
        return env

    def _answers(self):
        if not os.path.exists(os.path.join(self.folder.name, "native")):
            return False
        return subprocess.run(["pactl", f"--server={self.address}", "info"], env=self.client_environment(),
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=5).returncode == 0

    def close(self):
        if self.daemon.poll() is None:
            self.daemon.terminate()
            try:
                self.daemon.wait(5)
            except subprocess.TimeoutExpired:
                self.daemon.kill()
                self.daemon.wait()
        self.log.close()
        self.folder.cleanup()


class Monitor:
    """What the server's sink plays, with the CLOCK_MONOTONIC time (time.monotonic)
    at which each sample was played."""

    def __init__(self, server):
        self.parec = subprocess.Popen(
            ["parec", f"--server={server.address}", "--device=quillmere.monitor", "--format=s16le",
             "--channels=1", f"--rate={RATE}", "--latency-msec=1", "--raw"],
            env=server.client_environment(), stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        self.samples = array.array("h")
        self.start = None
        self.lock = threading.Lock()
        threading.Thread(target=self._read, daemon=True).start()

    def _read(self):
        while True:
            chunk = os.read(self.parec.stdout.fileno(), 4096)
            if not chunk:
                return
            now = time.monotonic()
            with self.lock:
                self.samples.frombytes(chunk[: len(chunk) // 2 * 2])
                # Each read comes some time after its last sample played, never
                # before: the earliest estimate of the first sample's time is the truest.
                estimate = now - len(self.samples) / RATE
                self.start = estimate if self.start is None else min(self.start, estimate)

    def first_audible(self, after, until=None):
        """When the first audible sample after `after` played; None if none did (before `until`)."""
        with self.lock:
            if self.start is None:
                return None
            first = max(0, int((after - self.start) * RATE))
            last = len(self.samples) if until is None else min(len(self.samples), int((until - self.start) * RATE))
            for i in range(first, last):
                if abs(self.samples[i]) > AUDIBLE:
                    return self.start + i / RATE
        return None

    def wait_quiet(self, quiet=0.15, timeout=10):
        """Waits until the sink has played `quiet` seconds of silence; whether it did within `timeout`."""
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            if self.start is not None and self.first_audible(time.monotonic() - quiet) is None \
                    and len(self.samples) / RATE + self.start >= time.monotonic() - 0.05:
                return True
            time.sleep(0.02)
        return False

    def close(self):
        self.parec.terminate()
        self.parec.wait()


class XServer:
    """Xvfb on a display of its own."""

    def __init__(self):
        read, write = os.pipe()
        self.process = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1280x1024x24",
                                         "-nolisten", "tcp"], pass_fds=(write,), stderr=subprocess.DEVNULL)
        os.close(write)
        with os.fdopen(read) as displayfd:
            number = displayfd.readline().strip()
        if not number:
            self.close()
            raise RuntimeError("Xvfb did not start")
        self.display = f":{number}"

    def close(self):
        if self.process.poll() is None:
            self.process.terminate()
            self.process.wait()
