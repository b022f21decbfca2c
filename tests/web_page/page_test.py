#!/usr/bin/python3
"""The sample quizzes' web pages in a real browser: each exported by the real brelamake, opened
from file:// in headless Chromium, answered, reloaded, downloaded and taken back. The expected
verdicts, scores and codes are the guide's rules applied to the samples by hand.

Usage: page_test.py EMULATOR BRELAMAKE SAMPLES WORK [PLAYER_ANSWERS]
  EMULATOR   what runs a Windows program here ("" when none is needed)
  BRELAMAKE  brelamake, with brela-web.js beside it
  SAMPLES    the folder of the sample quiz executables
  WORK       an empty folder for the pages, the downloads and the 360-pixel screenshot
  PLAYER_ANSWERS  the program that puts texts into the real player's fields and tells what it
             shows (player_answers_win.cpp); with it, generated answers are compared with the
             player's verdicts, score, code and answers file
"""
import json
import os
import random
import re
import subprocess
import sys
import time
import unittest

from selenium import webdriver
from selenium.webdriver.common.by import By
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

EMULATOR, BRELAMAKE, SAMPLES, WORK = sys.argv[1:5]
PLAYER_ANSWERS = sys.argv[5] if len(sys.argv) > 5 else ""
os.makedirs(WORK, exist_ok=True)
PAGES = ["capitales", "drapeaux", "animaux", "feminin"]  # couleurs is a film quiz
EXTRA_BYTES = 200 * 1024  # what a page may weigh beyond its media


def windows_program(program, *arguments):
    command = ([EMULATOR] if EMULATOR else []) + [program] + list(arguments)
    return subprocess.run(command, capture_output=True, timeout=120)


def brelamake(*arguments):
    return windows_program(BRELAMAKE, *arguments)


def typed_variants(answer, others, rng):
    """What a pupil may type for an expected answer: itself, its case and spaces changed, a
    letter dropped, doubled or swapped, its accents taken off, more words, an anagram, another
    answer, 1252's own œ and €, nothing."""
    k = rng.randrange(len(answer))
    swapped = answer[:k] + answer[k + 1:k + 2] + answer[k:k + 1] + answer[k + 2:]
    plain = answer.translate(str.maketrans("éèêëàâäîïôöûüç", "eeeeaaaiioouuc"))
    return [answer, answer.lower(), answer.upper(), "  " + answer + " ",
            answer[:k] + answer[k + 1:], answer[:k] + answer[k] + answer[k:], swapped, plain,
            answer + " et le reste",
            answer[::-1], answer[:max(1, len(answer) // 2)], rng.choice(others), "sœur",
            "10 €", "", "   "]


def page_path(name):
    return os.path.join(WORK, name + ".html")


def start_browser(downloads):
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    # A container's /dev/shm may be too small for the browser's shared memory.
    for argument in ["--headless=new", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage",
                     "--window-size=1024,768", "--disable-background-networking", "--no-first-run",
                     "--lang=fr-FR"]:
        options.add_argument(argument)
    options.add_experimental_option("prefs", {"download.default_directory": downloads,
                                              "download.prompt_for_download": False})
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    service = Service(executable_path="/usr/bin/chromedriver")
    return webdriver.Chrome(options=options, service=service)


EXPORTED = []


def export_pages():
    """Once a run, whichever class of tests comes first."""
    if EXPORTED:
        return
    EXPORTED.append(True)
    for name in PAGES:
        made = brelamake("web", os.path.join(SAMPLES, name + ".exe"), "-o", page_path(name),
                         "--force")
        assert made.returncode == 0, made.stderr.decode("utf-8", "replace")


class BrowserCase(unittest.TestCase):
    """The sample pages exported once, and one browser for each class of tests."""

    @classmethod
    def setUpClass(cls):
        cls.downloads = os.path.join(WORK, "telechargements")
        os.makedirs(cls.downloads, exist_ok=True)
        export_pages()
        cls.browser = start_browser(cls.downloads)

    @classmethod
    def tearDownClass(cls):
        cls.browser.quit()

    def open(self, name):
        self.browser.get("file://" + page_path(name))
        self.browser.execute_script("localStorage.clear()")
        self.browser.refresh()
        self.wait_ready()

    def wait_ready(self):
        WebDriverWait(self.browser, 30).until(
            lambda b: b.execute_script("return document.documentElement.dataset.ready") == "true")

    def field(self, n, j=1):
        return self.browser.find_element(By.ID, "reponse-%d-%d" % (n, j))

    def text(self, element_id):
        return self.browser.execute_script(
            "return document.getElementById(arguments[0]).textContent", element_id)

    def verdict(self, n, j=1):
        return self.text("verdict-%d-%d" % (n, j))

    def answer(self, n, typed, j=1, key=Keys.ENTER):
        field = self.field(n, j)
        field.clear()
        field.send_keys(typed + key)

    def shown(self, element_id):
        return self.browser.find_element(By.ID, element_id).is_displayed()

    def download(self, name):
        target = os.path.join(self.downloads, name + ".txt")
        if os.path.exists(target):
            os.remove(target)
        self.browser.find_element(By.ID, "telecharger").click()
        for _ in range(100):
            if os.path.exists(target) and os.path.getsize(target) > 0:
                break
            time.sleep(0.1)
        with open(target, "rb") as answers:
            return answers.read()



class PageTest(BrowserCase):
    def test_a_film_quiz_has_no_page(self):
        made = brelamake("web", os.path.join(SAMPLES, "couleurs.exe"), "-o", page_path("couleurs"))
        self.assertEqual(made.returncode, 1)
        self.assertIn("les navigateurs ne lisent pas les films AVI", made.stderr.decode("utf-8"))
        self.assertFalse(os.path.exists(page_path("couleurs")))

    def test_pages_weigh_their_media_and_at_most_200_kilobytes_more(self):
        for name in PAGES:
            with open(page_path(name), "rb") as page:
                html = page.read()
            uris = re.findall(rb"data:[a-z]+/[a-z]+;base64,[A-Za-z0-9+/=]+", html)
            media = sum(len(uri) for uri in uris)
            self.assertLessEqual(len(html) - media, EXTRA_BYTES, name)

    def test_nothing_is_requested_and_nothing_goes_wrong(self):
        for name in PAGES:
            self.open(name)
            names = self.browser.execute_script(
                "return performance.getEntriesByType('resource').map(e => e.name)")
            self.assertEqual([n for n in names if re.match(r"(?i)(https?|wss?|ftp):", n)], [],
                             name)
            errors = [e for e in self.browser.get_log("browser") if e["level"] == "SEVERE"]
            self.assertEqual(errors, [], name)
            self.assertEqual(self.browser.execute_script("return document.documentElement.lang"),
                             "fr")
            self.assertFalse(self.shown("chargement"), name)

    def test_the_guides_examples_on_the_capitals(self):
        self.open("capitales")
        self.assertEqual(self.text("score"), " 0 / 10")
        self.assertEqual(self.text("code"), "")
        self.answer(1, "  paris ")
        self.assertEqual(self.verdict(1), "BRAVO")
        self.assertEqual(self.text("score"), " 1 / 10")
        self.assertEqual(self.text("code"), "1 sur 10")
        # Enter went on to the next field.
        self.assertEqual(self.browser.switch_to.active_element.get_attribute("id"), "reponse-2-1")
        cases = [(2, "Rmoe", "Anagramme"), (3, "Madri", "Quasiment"), (4, "Lisbonnes", "Quasiment"),
                 (5, "   ", "?"), (7, "Athenes", "Quasiment"), (7, "athènes", "BRAVO"),
                 (8, "Varsovie et Cracovie", "Trop long"), (9, "Vi", "FAUX"),
                 (10, "Stocholm", "Quasiment")]
        for n, typed, expected in cases:
            self.answer(n, typed)
            self.assertEqual(self.verdict(n), expected, typed)
        self.assertEqual(self.text("score"), " 2 / 10")
        self.assertEqual(self.text("code"), "2 sur 10")
        # Tab judges and moves on too; leaving a field by a click judges it.
        self.answer(6, "BRUXELLES", key=Keys.TAB)
        self.assertEqual(self.verdict(6), "BRAVO")
        self.assertEqual(self.browser.switch_to.active_element.get_attribute("id"), "reponse-7-1")
        self.field(9, 1).clear()
        self.field(9, 1).send_keys("vienne")
        self.field(3, 1).click()
        self.assertEqual(self.verdict(9), "BRAVO")
        self.assertEqual(self.text("score"), " 4 / 10")
        self.assertEqual(self.text("code"), "4 sur 10")

    def test_verdicts_have_the_players_colours(self):
        self.open("capitales")
        self.answer(1, "Paris")
        colour = self.browser.execute_script(
            "return getComputedStyle(document.getElementById('verdict-1-1')).backgroundColor")
        self.assertEqual(colour, "rgb(0, 255, 0)")  # the board's BRAVO green
        live = self.browser.find_element(By.ID, "verdict-1-1").get_attribute("aria-live")
        self.assertEqual(live, "polite")

    def test_f1_tries_the_text_in_every_unsolved_field(self):
        self.open("capitales")
        self.answer(1, "Paris")
        self.answer(3, "Rome", key="")
        self.field(3).send_keys(Keys.F1)
        self.assertEqual(self.verdict(2), "BRAVO")
        self.assertEqual(self.field(2).get_attribute("value"), "Rome")
        self.assertEqual(self.field(1).get_attribute("value"), "Paris")  # BRAVO kept
        self.assertEqual(self.field(10).get_attribute("value"), "Rome")
        self.assertEqual(self.text("score"), " 2 / 10")
        # The button, for phones: the text of the last field used.
        self.answer(4, "Lisbonne", key="")
        self.browser.find_element(By.ID, "verifier-partout").click()
        self.assertEqual(self.verdict(4), "BRAVO")
        self.assertEqual(self.field(5).get_attribute("value"), "Lisbonne")
        self.assertEqual(self.text("score"), " 3 / 10")

    def test_two_answers_reveal_the_text_and_picture(self):
        self.open("drapeaux")
        self.assertFalse(self.shown("revelation-1"))
        self.assertFalse(self.shown("image-reponse-1"))
        self.answer(1, "france", j=1)
        self.assertEqual(self.verdict(1, 1), "BRAVO")
        self.assertEqual(self.text("score"), " 0 / 7")
        self.answer(1, "Pari", j=2)
        self.assertEqual(self.verdict(1, 2), "Quasiment")
        self.answer(1, "Paris", j=2)
        self.assertEqual(self.text("score"), " 1 / 7")
        self.assertEqual(self.text("code"), "Bleu")
        self.assertTrue(self.shown("revelation-1"))
        self.assertTrue(self.shown("image-reponse-1"))
        self.assertFalse(self.shown("revelation-2"))
        natural = self.browser.execute_script(
            "return document.getElementById('image-reponse-1').naturalWidth")
        self.assertGreater(natural, 0)  # the JPEG decodes

    def test_accents_and_sounds(self):
        self.open("animaux")
        sounds = "audio[src^='data:audio/mpeg;base64,']"
        self.assertEqual(len(self.browser.find_elements(By.CSS_SELECTOR, sounds)), 5)
        self.browser.find_element(By.CSS_SELECTOR, "button.jouer[data-question='1']").click()
        self.browser.find_element(By.CSS_SELECTOR, "button.arreter[data-question='1']").click()
        for n, typed in enumerate(["chat", "VACHE", "coq", "grenouille"], start=1):
            self.answer(n, typed)
            self.assertEqual(self.verdict(n), "BRAVO", typed)
        self.assertEqual(self.text("code"), "Croâ")
        self.open("feminin")
        self.answer(6, "heroine")
        self.assertEqual(self.verdict(6), "Presque")  # two accents: two letters of difference
        self.answer(6, "héroïne")
        self.assertEqual(self.verdict(6), "BRAVO")

    def test_answers_survive_a_reload(self):
        self.open("capitales")
        self.answer(1, "Paris")
        self.answer(2, "Rmoe")
        self.browser.refresh()
        self.wait_ready()
        self.assertEqual(self.field(1).get_attribute("value"), "Paris")
        self.assertEqual(self.field(2).get_attribute("value"), "Rmoe")
        self.assertEqual(self.verdict(1), "BRAVO")
        self.assertEqual(self.verdict(2), "Anagramme")
        self.assertEqual(self.text("score"), " 1 / 10")
        self.assertEqual(self.text("code"), "1 sur 10")

    def test_f2_and_sauver_keep_what_is_typed_before_it_is_judged(self):
        self.open("capitales")
        kept = "return JSON.parse(localStorage.getItem('brela-' + document.documentElement" \
               ".dataset.identite) || '[]')"
        self.answer(2, "Rome", key=Keys.F2)
        self.assertEqual(self.browser.execute_script(kept)[:2], ["", "Rome"])
        self.assertEqual(self.verdict(2), "")  # kept, not yet judged
        self.answer(3, "Madrid", key="")
        self.browser.find_element(By.ID, "sauver").click()
        self.assertEqual(self.browser.execute_script(kept)[:3], ["", "Rome", "Madrid"])

    def test_the_downloaded_answers_file_is_code_page_1252_with_cr_lf(self):
        self.open("capitales")
        typed = {1: "  Paris ", 2: "œuf", 3: "10 €", 4: "Ā", 5: "x" * 300}
        for n, text in typed.items():
            self.answer(n, text)
        # 1252 has œ (9C) and € (80); Ā it has not, which becomes "?" as Windows' default
        # character; a field holds 259 characters; an empty field is "*".
        expected = (b"  Paris \r\n\x9cuf\r\n10 \x80\r\n?\r\n" + b"x" * 259 + b"\r\n" +
                    b"*\r\n" * 5)
        self.assertEqual(self.download("capitales"), expected)

    def test_reprendre_reads_an_answers_file_as_the_player_does(self):
        self.open("capitales")
        answers = os.path.join(WORK, "rendu.txt")
        with open(answers, "wb") as file:
            file.write(b"Paris\r\nRome\n*\r\nAth\xe8nes\r\n\r\n")
        self.browser.find_element(By.ID, "reprendre").send_keys(answers)
        WebDriverWait(self.browser, 10).until(lambda b: self.verdict(1) == "BRAVO")
        self.assertEqual(self.field(4).get_attribute("value"), "Athènes")
        self.assertEqual(self.field(3).get_attribute("value"), "")
        self.assertEqual(self.verdict(2), "BRAVO")
        self.assertEqual(self.verdict(4), "FAUX")  # Athènes is the seventh's answer, not Lisbonne
        self.assertEqual(self.text("score"), " 2 / 10")

    def test_a_phone_held_upright_needs_no_sideways_scrolling(self):
        self.open("drapeaux")
        self.browser.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": 360, "height": 640, "deviceScaleFactor": 1, "mobile": True})
        try:
            self.answer(1, "France", j=1)
            self.answer(1, "Paris", j=2)
            self.browser.execute_script("window.scrollTo(0, 0)")
            width = self.browser.execute_script("return document.documentElement.scrollWidth")
            self.assertLessEqual(width, 360)
            self.browser.save_screenshot(os.path.join(WORK, "page-web-360.png"))
        finally:
            self.browser.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})


@unittest.skipUnless(PLAYER_ANSWERS, "no program to drive the real player")
class AgainstThePlayerTest(BrowserCase):
    ROUNDS = {"capitales": 15, "drapeaux": 7, "feminin": 7}  # 304 fields

    def rounds(self, name):
        """Each round a text for every field, generated from the quiz's expected answers."""
        with open(os.path.join(SAMPLES, name, "quiz.json"), encoding="utf-8") as quiz_file:
            quiz = json.load(quiz_file)
        answers = [question.get(key) for question in quiz["questions"]
                   for key in ("answer1", "answer2")[:quiz.get("answersPerQuestion", 1)]]
        rng = random.Random(name)
        for _ in range(self.ROUNDS[name]):
            yield [rng.choice(typed_variants(answer, answers, rng)) for answer in answers]

    def play(self, name, typed):
        folder = os.path.join(WORK, "joueur-" + name)
        os.makedirs(folder, exist_ok=True)
        texts = os.path.join(folder, "tape.txt")
        with open(texts, "w", encoding="utf-8", newline="\n") as file:
            file.write("".join(text + "\n" for text in typed))
        ran = windows_program(PLAYER_ANSWERS, os.path.join(SAMPLES, name + ".exe"), folder, texts)
        self.assertEqual(ran.returncode, 0, ran.stderr.decode("utf-8", "replace"))
        with open(os.path.join(folder, "quiz.txt"), "rb") as answers:
            return json.loads(ran.stdout.decode("utf-8")), answers.read(), folder

    def expect_as_shown(self, name, shown):
        fields = self.browser.find_elements(By.CSS_SELECTOR, "input[id^='reponse-']")
        verdicts = [self.text(f.get_attribute("id").replace("reponse", "verdict")) for f in fields]
        self.assertEqual(verdicts, shown["verdicts"], name)
        self.assertEqual(self.text("score"), shown["score"], name)
        # The player's blank code is six spaces; the page's, nothing.
        self.assertEqual(self.text("code"), shown["code"].strip(), name)

    def test_typed_answers_get_the_players_verdicts_and_answers_file(self):
        for name in self.ROUNDS:
            for typed in self.rounds(name):
                shown, written, folder = self.play(name, typed)
                self.open(name)
                fields = self.browser.find_elements(By.CSS_SELECTOR, "input[id^='reponse-']")
                for field, text in zip(fields, typed):
                    field.clear()
                    field.send_keys(text)
                self.browser.find_element(By.TAG_NAME, "h1").click()  # the last field left
                self.expect_as_shown(name, shown)
                self.assertEqual(self.download(name), written, name)

                # The player's own file, taken back into a fresh page.
                self.open(name)
                self.browser.find_element(By.ID, "reprendre").send_keys(
                    os.path.join(folder, "quiz.txt"))
                WebDriverWait(self.browser, 10).until(
                    lambda b: self.text("score") == shown["score"])
                self.expect_as_shown(name, shown)
                fields = self.browser.find_elements(By.CSS_SELECTOR, "input[id^='reponse-']")
                self.assertEqual([f.get_attribute("value") for f in fields], typed, name)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
