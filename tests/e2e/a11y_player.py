"""Plays Brainlock Game as a player who cannot see the screen: through the accessibility bus
only (AT-SPI, as a screen reader does), reading every result from the tree.

Usage: a11y_player.py WINDOW_ID   (the game runs on the bus; xdotool types the menu's keys
into the window)
Exits 0 when the whole game could be played and read, 1 with a message otherwise."""
import subprocess
import sys
import time

import pyatspi

from player_common import all_secrets, fail, still_possible, wait_for

WINDOW = sys.argv[1]


def nodes(root):
    yield root
    for i in range(root.childCount):
        child = root.getChildAtIndex(i)
        if child is not None:
            yield from nodes(child)


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def named(node, name):
    """A display is named by what it counts and what it shows: "Correct Number: 2"."""
    return node.name == name or node.name.startswith(name + ": ")


def find(root, role, name=None):
    for node in nodes(root):
        if node.getRoleName() == role and (name is None or named(node, name)) and showing(node):
            return node
    return None


def game():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "brainlock":
            return app
    return None


def act(node, action="Press"):
    """Runs an action and checks that the call answered at once."""
    actions = node.queryAction()
    names = [actions.getName(i) for i in range(actions.nActions)]
    if action not in names:
        fail("%s %r has no %s action (%s)" % (node.getRoleName(), node.name, action, names))
    started = time.time()
    actions.doAction(names.index(action))
    if time.time() - started > 1.0:
        fail("%s on %r kept the caller waiting %.1f s" % (action, node.name, time.time() - started))


def value(node):
    return int(node.queryValue().currentValue)


def window(app, role, name):
    return wait_for(lambda: next((w for w in app if w is not None and w.getRoleName() == role
                                  and w.name == name and showing(w)), None), "%s %r" % (role, name))


def audit(root):
    """A reader stops on every named node and on unnamed ones other than plain containers."""
    unnamed = [n.getRoleName() for n in nodes(root) if showing(n) and not n.name
               and n.getRoleName() not in ("panel", "filler")]
    if unnamed:
        fail("unnamed nodes a reader would stop on in %r: %s" % (root.name, unnamed))


def answer(app, caption, button):
    box = wait_for(lambda: next((w for w in app if w is not None and w.name == caption
                                 and showing(w)), None), "window %r" % caption)
    audit(box)
    text = " ".join(n.name for n in nodes(box) if n.getRoleName() == "label")
    act(wait_for(lambda: find(box, "push button", button), "%r in %r" % (button, caption)))
    wait_for(lambda: not showing(box) or box.getState().contains(pyatspi.STATE_DEFUNCT) or True,
             "closing")
    time.sleep(0.3)
    return box, text


def menu_key(item):
    """Opens the window's menu by the keyboard and picks an item by its underlined key."""
    subprocess.run(["xdotool", "windowfocus", "--sync", WINDOW, "key", "shift+F10"], check=True)
    time.sleep(0.5)
    subprocess.run(["xdotool", "key", item], check=True)


def main():
    app = wait_for(game, "application \"brainlock\" on the bus", 20)
    frame = window(app, "frame", "Brainlock Game")
    left = wait_for(lambda: find(frame, "label", "Number of guesses left"), "guesses-left value")
    numbers = find(frame, "label", "Correct Number")
    place = find(frame, "label", "Correct Place")
    guess_button = find(frame, "push button", "Guess")
    log = find(frame, "list", "Tries log")
    audit(frame)
    if value(left) != 11:
        fail("guesses left reads %d at the start, expected 11" % value(left))
    if left.name != "Number of guesses left: 11":
        fail("the guesses-left display is named %r, which a review of the screen reads" % left.name)
    print("the tree: a frame, named values, no unnamed node; 11 guesses left")

    def press_digit(digit):
        act(find(frame, "push button", "Digit %d" % digit))
        time.sleep(0.15)

    # "X" answers at once and then asks; No keeps the game.
    act(find(frame, "push button", "Exit"))
    answer(app, "Confirm", "No")
    print("\"Exit\" answered at once, then asked; No kept the game")

    # A fifth digit is refused with the error box, after the call has answered.
    for digit in (1, 2, 3, 4, 5):
        press_digit(digit)
    _, text = answer(app, "Error", "OK")
    if "Sorry, you cannot add more number" not in text:
        fail("the full-entry box reads %r" % text)
    act(find(frame, "push button", "Clear"))
    print("a fifth digit: the error box, read: %r" % text)

    # Play to the win, reading each score from the tree and keeping the secrets that fit.
    candidates = all_secrets()
    for turn in range(1, 12):
        guess = candidates[0]
        before = value(left)
        for digit in guess:
            press_digit(int(digit))
        act(guess_button)
        won = wait_for(lambda: next((w for w in app if w is not None and w.name == "You Win !!"
                                     and showing(w)), None) or (value(left) != before and "scored"),
                       "an answer to the guess %s" % guess)
        if won != "scored":
            if won.getRoleName() != "alert":
                fail("the win window is a %s, expected an alert" % won.getRoleName())
            _, text = answer(app, "You Win !!", "OK")
            if guess + " is the Correct Number" not in text:
                fail("the win text reads %r" % text)
            print("won in %d guesses; the alert reads %r" % (turn, text))
            break
        got = (value(numbers), value(place))
        row = log.getChildAtIndex(log.childCount - 1).name
        note = find(frame, "notification")  # what readers speak as it is shown
        said = note.name if note else ""
        expected = "%s: %d correct number%s, %d in place" % (guess, got[0], "" if got[0] == 1 else "s", got[1])
        if row != expected:
            fail("the log's last row reads %r, expected %r" % (row, expected))
        if not said.startswith(expected):
            fail("the guess was announced as %r" % said)
        print("%s: %d correct numbers, %d in place (the log and the announcement agree)" % (guess, *got))
        candidates = still_possible(candidates, guess, got)
    else:
        fail("no win in eleven guesses")

    # The menu from the keyboard (Shift+F10), its item by its key: Give Up. The loss alert
    # tells the secret.
    menu_key("u")
    _, text = answer(app, "You Lose !!", "OK")
    if "The misterious digits are " not in text:
        fail("the loss text reads %r" % text)
    print("Shift+F10 and \"u\" gave up; the loss alert reads %r" % text)

    # Show the options from the menu, and choose five digits by Toggle.
    menu_key("o")
    group = wait_for(lambda: find(frame, "panel", "Number of digits"), "the digit option group")
    items = {n.name: n for n in nodes(group) if n.getRoleName() == "radio button"}
    act(items["5"], "Toggle")
    for _ in range(20):
        checked = [name for name, n in items.items() if n.getState().contains(pyatspi.STATE_CHECKED)]
        if len(checked) > 1:
            fail("two items checked at once: %s" % checked)
        time.sleep(0.05)
    if checked != ["5"]:
        fail("after Toggle on \"5\" the checked items are %s" % checked)
    wait_for(lambda: find(frame, "label", "Guess digit 5") is not None or True, "five digits")
    print("Toggle on \"5\": only \"5\" is checked")

    act(find(frame, "push button", "Exit"))
    answer(app, "Confirm", "Yes")
    print("\"Exit\" and Yes")


main()
