"""What the end-to-end players share: failing with a message, waiting for a thing itself, and
the logic a player uses to narrow down the secret from the scores."""
import itertools
import sys
import time


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def wait_for(find, what, timeout=10.0):
    """Polls find() until it returns something true, which it returns."""
    end = time.time() + timeout
    while time.time() < end:
        found = find()
        if found:
            return found
        time.sleep(0.1)
    fail("no " + what + " after %.0f s" % timeout)


def score(guess, secret):
    """(correct numbers, correct places), as the game scores a guess of distinct digits."""
    return len(set(guess) & set(secret)), sum(g == s for g, s in zip(guess, secret))


def all_secrets(digits=4):
    return ["".join(p) for p in itertools.permutations("0123456789", digits)]


def still_possible(candidates, guess, got):
    """The secrets that would have scored the guess as it was scored."""
    return [c for c in candidates if score(guess, c) == got]
