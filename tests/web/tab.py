"""What a tab does alike in every engine, on top of its own protocol's `js`, and
the way both of the WebSocket protocols (the DevTools protocol, WebDriver BiDi)
are spoken."""
import json
import time


def command(socket, number, method, params, heard=lambda message: None):
    """Sends command `number` and returns its answer; the messages before it go to `heard`."""
    socket.send(json.dumps({"id": number, "method": method, "params": params}))
    while True:
        message = json.loads(socket.recv())
        if message.get("id") == number:
            return message
        heard(message)


class Tab:
    def wait_for(self, expression, timeout=60):
        """The expression's value once it is true; None when it never is within `timeout` seconds."""
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            value = self.js(expression)
            if value:
                return value
            time.sleep(0.02)
        return None
