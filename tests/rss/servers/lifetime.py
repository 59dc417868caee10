"""The test peers end by themselves: when the test that started them closes their
standard input, or after a fixed lifetime, whichever comes first."""

import os
import sys
import threading

LIFETIME_SECONDS = 120


def stop_later():
    threading.Timer(LIFETIME_SECONDS, lambda: os._exit(0)).start()

    def watch_stdin():
        sys.stdin.read()
        os._exit(0)

    threading.Thread(target=watch_stdin, daemon=True).start()
