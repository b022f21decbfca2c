#!/usr/bin/python3
"""Times a quiz's web page in headless Chromium, run by hand (not a test): opening it from
file:// until it can grade (data-ready), and judging one field as leaving it does (the grading,
every verdict shown again, the answers kept). Prints medians.

Usage: web_page_bench.py PAGE.html [ROUNDS]
  e.g. a 90-question picture quiz: brelamake web grand.json -o grand.html
"""
import os
import statistics
import sys
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

JUDGE_ONE_FIELD = """
const field = document.querySelector("input[id^='reponse-']");
const times = [];
for (let round = 0; round < 200; ++round) {
  field.value = "essai " + round;
  const start = performance.now();
  field.dispatchEvent(new Event("blur"));
  times.push(performance.now() - start);
}
times.sort((a, b) => a - b);
return times[times.length >> 1];
"""


def main():
    page = os.path.abspath(sys.argv[1])
    rounds = int(sys.argv[2]) if len(sys.argv) > 2 else 11
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for argument in ["--headless=new", "--no-sandbox", "--disable-gpu"]:
        options.add_argument(argument)
    browser = webdriver.Chrome(options=options, service=Service("/usr/bin/chromedriver"))
    try:
        openings = []
        for _ in range(rounds):
            browser.get("about:blank")
            start = time.perf_counter()
            browser.get("file://" + page)
            while browser.execute_script("return document.documentElement.dataset.ready") != "true":
                time.sleep(0.002)
            openings.append(time.perf_counter() - start)
        print("ouverture jusqu'à data-ready : médiane %.0f ms (%d fois)" %
              (statistics.median(openings) * 1000, rounds))
        print("un champ jugé : médiane %.2f ms" % browser.execute_script(JUDGE_ONE_FIELD))
    finally:
        browser.quit()


if __name__ == "__main__":
    main()
