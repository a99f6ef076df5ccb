"""Plays Brainlock Game as a blind player does: with Orca's own keys only (its review of the
screen and its click on the keypad, Enter on the focused button, the menu from the keyboard),
hearing the game in what Orca says, which Orca writes to its debug log as it says it
("SPEECH OUTPUT"), with the end of each of its commands.

Usage: orca_player.py ORCA_DEBUG_LOG
Exits 0 when a whole game could be played by ear (a guess too short, a digit typed twice,
guesses to the win, a game given up, the exit), 1 with a message otherwise."""
import re
import subprocess
import sys

from player_common import all_secrets, fail, still_possible, wait_for

UTTERANCE = re.compile(r" - SPEECH OUTPUT: '(.*)$")
UTTERANCE_END = re.compile(r"^(.*)'\s*\[?\{.*\}\]?\s*$")
COMMAND_START = "vvvvv CONSUME ATSPI_KEY_PRESSED_EVENT"
COMMAND_END = "^^^^^ CONSUME ATSPI_KEY_PRESSED_EVENT"
COMMAND_SECONDS = 30  # the longest one of Orca's commands may take here
SCORED = re.compile(r"notification (\d{4}): (\d) correct numbers?, (\d) in place\. "
                    r"(\d+) guess(?:es)? left\.")


class Ear:
    """What Orca has said, read from its log as the log grows: every utterance in order, and
    the utterances of each of Orca's commands, once the command has ended."""

    def __init__(self, path):
        self.log = open(path, errors="replace")
        self.partial = ""
        self.heard = []
        self.commands = []
        self.utterance = None  # the text of an utterance that goes on on the next line
        self.command = None  # the utterances of the command Orca is running

    def listen(self):
        text = self.partial + self.log.read()
        lines = text.split("\n")
        self.partial = lines.pop()
        for line in lines:
            self.read(line)
        return self

    def read(self, line):
        if self.utterance is not None and line.startswith(" "):  # its lines go on indented
            self.go_on(line.strip())
            return
        if self.utterance is not None:
            self.end_utterance()
        if COMMAND_START in line:
            self.command = []
        elif COMMAND_END in line:
            if self.command is not None:
                self.commands.append(self.command)
            self.command = None
        elif UTTERANCE.search(line):
            self.utterance = ""
            self.go_on(UTTERANCE.search(line).group(1))

    def go_on(self, part):
        end = UTTERANCE_END.match(part)
        self.utterance = (self.utterance + " " + (end.group(1) if end else part)).strip()
        if end:
            self.end_utterance()

    def end_utterance(self):
        self.heard.append(self.utterance)
        if self.command is not None:
            self.command.append(self.utterance)
        self.utterance = None


class Player:
    def __init__(self, ear):
        self.ear = ear
        self.line = None  # where Orca's review is, as an index into self.lines
        self.lines = []

    def mark(self):
        return len(self.ear.listen().heard)

    def hear(self, pattern, since, what, timeout=20):
        """Waits for Orca to say what matches the pattern (a whole utterance), after `since`;
        returns the match."""
        def said():
            for text in self.ear.listen().heard[since:]:
                found = re.fullmatch(pattern, text)
                if found:
                    return found
            return None
        return wait_for(said, "%s: Orca's last words %s" % (what, self.ear.heard[-6:]), timeout)

    def once(self, pattern, since, what):
        times = sum(1 for text in self.ear.listen().heard[since:] if re.fullmatch(pattern, text))
        if times != 1:
            fail("Orca said %s %d times: %s" % (what, times, self.ear.heard[since:]))

    def press(self, *keys):
        subprocess.run(["xdotool", "key", *keys], check=True)

    def command(self, key):
        """Runs one of Orca's commands by its key; returns what Orca said for it. The key is
        let go once the command has ended: a key event that reaches the game while Orca
        clicks holds the accessibility bus up for seconds (the game asks the bus whether the
        reader takes the key, while the reader waits on the bus for its click)."""
        done = len(self.ear.listen().commands)
        subprocess.run(["xdotool", "keydown", key], check=True)
        # A click may wait on the bus for seconds, and a loaded machine stretches that.
        wait_for(lambda: len(self.ear.listen().commands) > done, "end of Orca's command " + key,
                 COMMAND_SECONDS)
        subprocess.run(["xdotool", "keyup", key], check=True)
        return " ".join(self.ear.commands[done][:1])  # what it said first: its answer

    # Orca's review of the screen: a line up (KP_Home, or 7 with Num Lock), the current
    # line (KP_Up), a line down (KP_Prior), the next word (KP_Right), the pointer to the
    # word (Insert+KP_Divide) and a click there (KP_Divide).
    def read_screen(self):
        """Reads the window line by line from the top; keeps the lines, returns them. Orca
        reviews the screen as it was when its review began: the review is left first
        (KP_Subtract), and begins anew."""
        for _ in range(2):
            if "Leaving flat review." in self.command("KP_Subtract"):
                break
        else:
            fail("Orca never said it left its review")
        for _ in range(40):
            if not self.command("KP_Home"):
                break
        else:
            fail("Orca's review never reached the window's first line")
        self.lines = [self.command("KP_Up")]
        while len(self.lines) < 40:
            line = self.command("KP_Prior")
            if not line:
                break
            self.lines.append(line)
        self.line = len(self.lines) - 1
        return self.lines

    def line_with(self, pattern):
        for index, line in enumerate(self.lines):
            if re.search(pattern, line):
                return index
        fail("Orca's review found no line with /%s/: %s" % (pattern, self.lines))

    def go_to_line(self, pattern):
        """Moves the review to the start of the line matching the pattern; returns the line
        as Orca reads it now."""
        index = self.line_with(pattern)
        if self.line == index:  # away and back, which puts the review at the line's start
            self.command("KP_Prior" if index == 0 else "KP_Home")
            self.line += 1 if index == 0 else -1
        said = ""
        while self.line < index:
            said = self.command("KP_Prior")
            self.line += 1
        while self.line > index:
            said = self.command("KP_Home")
            self.line -= 1
        if not re.search(pattern, said):
            fail("Orca's review read %r where it read %r before" % (said, self.lines[index]))
        self.lines[index] = said
        return said

    def click_word(self, line_pattern, word):
        """Clicks a word of the line matching the pattern with Orca's click."""
        said = self.go_to_line(line_pattern).split()[0]
        words = [said]
        for _ in range(12):
            if said.strip() == word:
                # The pointer first (Orca's Insert+KP_Divide), then the click: Orca checks
                # that a click moved the pointer before the pointer has had time to move,
                # and clicks a second time when it thinks it did not.
                self.command("Insert+KP_Divide")
                self.command("KP_Divide")
                return
            said = self.command("KP_Right")
            words.append(said)
        fail("Orca's review found no word %r on the line %r; it read the words %s" %
             (word, self.lines[self.line], words))

    def read_line(self, pattern):
        return self.go_to_line(pattern)


def main():
    ear = Ear(sys.argv[1])
    player = Player(ear)
    player.hear(r"Brainlock Game frame\.", 0, "the window")
    player.hear(r"Guess push button\.", 0, "the focused Guess")
    player.once(r"Brainlock Game frame\.", 0, "the window")
    player.once(r"Guess push button\.", 0, "the focused Guess")
    lines = player.read_screen()
    for display in (r"Number of guesses left: 11", r"Correct Number: 0", r"Correct Place: 0"):
        if not any(re.search(r"(^| )%s( |$)" % display, line) for line in lines):
            fail("Orca's review did not read /%s/: %s" % (display, lines))
    print("Orca: the window and Guess as the game starts; its review reads %s" % lines)

    # Enter on Guess before the entry is full: what is missing is said, once.
    since = player.mark()
    player.press("Return")
    player.hear(r"notification Your guess needs 4 digits\.", since, "the short guess")
    player.once(r"notification Your guess needs 4 digits\.", since, "the short guess")

    candidates = all_secrets()
    for turn in range(1, 12):
        guess = candidates[0]
        for place, digit in enumerate(guess):
            player.click_word(r"(^| )Digit %s( |$)" % digit, digit)
            if turn == 1 and place == 0:  # a digit twice: refused, and said why once
                since = player.mark()
                player.click_word(r"(^| )Digit %s( |$)" % digit, digit)
                refused = r"notification %s is already in your guess\." % digit
                player.hear(refused, since, "the refused digit")
                player.once(refused, since, "the refused digit")
        player.read_screen()
        entry = player.read_line(r"^(\?|Guess digit)")
        typed = " ".join("Guess digit %d: %s" % (i + 1, d) for i, d in enumerate(guess))
        if entry != typed:
            fail("typed %s with Orca's click; its review reads the entry as %r" % (guess, entry))
        since = player.mark()
        player.press("Return")
        result = player.hear(r"(%s)|(alert You Win !!)" % SCORED.pattern, since,
                             "an answer to the guess %s" % guess)
        if result.group(6):
            text = player.hear(r"Congratulation !!! You Win\. You have a pretty good logical "
                               r"thinking %s is the Correct Number\.?" % guess, since, "the win text")
            player.hear(r"OK push button\.", since, "the win box's button")
            for said in (r"alert You Win !!", re.escape(text.group(0)), r"OK push button\."):
                player.once(said, since, said)
            print("won in %d guesses by ear; the win box was said once: %r" % (turn, text.group(0)))
            break
        heard, numbers, place, left = result.group(2, 3, 4, 5)
        if heard != guess:
            fail("guessed %s, Orca said the score of %s" % (guess, heard))
        player.once(re.escape(result.group(0)), since, "the score")
        lines = player.read_screen()
        for display in ("Number of guesses left: " + left, "Correct Number: " + numbers,
                        "Correct Place: " + place):
            if not any(re.search(r"(^| )%s( |$)" % display, line) for line in lines):
                fail("after %s Orca said %r, its review reads %s" % (guess, result.group(0), lines))
        row = "%s: %s correct number%s, %s in place" % (guess, numbers, "" if numbers == "1" else "s",
                                                        place)
        if not any(row in line for line in lines):
            fail("Orca's review did not read the log's row %r: %s" % (row, lines))
        print("%s: Orca said %r once; its review reads the displays and the log's row" %
              (guess, result.group(0)))
        candidates = still_possible(candidates, guess, (int(numbers), int(place)))
    else:
        fail("no win in eleven guesses by ear")

    # The box is closed with Enter, the next game given up from the menu (Shift+F10, "u").
    since = player.mark()
    player.press("Return")
    player.hear(r"Guess push button\.", since, "Guess focused again")
    since = player.mark()
    player.press("shift+F10")
    player.hear(r".+", since, "the menu", 10)
    player.press("u")
    text = player.hear(r"The misterious digits are \d{4}\. You still can prove your mind later\. "
                       r"GAME OVER !!!\.?", since, "the loss text")
    player.hear(r"OK push button\.", since, "the loss box's button")
    player.once(r"alert You Lose !!", since, "the loss box")
    player.once(re.escape(text.group(0)), since, "the loss text")
    player.press("Return")
    print("gave up from the menu; the loss box was said once: %r" % text.group(0))

    # Out by the title's "X", clicked with Orca; the question said once, and Yes clicked with
    # Orca too (a game that ends on a key leaves the key's last events to the reader's
    # answer, which never comes).
    player.hear(r"Guess push button\.", since, "Guess focused again")
    player.read_screen()
    since = player.mark()
    player.click_word(r"(^| )Exit( |$)", "Exit")
    player.hear(r"Yes push button\.", since, "the exit question's Yes")
    for said in (r"alert Confirm\.", r"Are you sure want to exit Brainlock Game \?",
                 r"Yes push button\."):
        player.once(said, since, said)
    player.read_screen()
    player.click_word(r"(^| )Yes( |$)", "Yes")
    print("Exit clicked with Orca: the question and Yes said once each; Yes clicked with Orca")


main()
