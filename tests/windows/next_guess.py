"""The next guess of a four-digit game without repeated digits: the first number that would
have earned every answer so far. Each argument is an answer, GUESS:NUMBER:PLACE.
Usage: next_guess.py [GUESS:NUMBER:PLACE ...]   (prints the guess; fails when none agrees)"""
import itertools
import sys


def answer(guess, secret):
    """Correct Number (digits of the guess found in the secret) and Correct Place."""
    return len(set(guess) & set(secret)), sum(g == s for g, s in zip(guess, secret))


answers = [(g, int(n), int(p)) for g, n, p in (a.split(":") for a in sys.argv[1:])]
for digits in itertools.permutations("0123456789", 4):
    secret = "".join(digits)
    if all(answer(g, secret) == (n, p) for g, n, p in answers):
        print(secret)
        sys.exit(0)
sys.exit(1)
