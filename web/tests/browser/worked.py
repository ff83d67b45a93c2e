"""Exercises worked out here as on paper, apart from the page: the answers to a tree or a code.
And a worksheet's question banks read back as a learning platform reads them: the Moodle XML
parsed as XML, the GIFT split into its questions and unescaped."""
import math
import re
import urllib.parse
import xml.etree.ElementTree as ElementTree

BLANK = re.compile(r"\{1:NUMERICAL:=([0-9]+):0\}")
CHOICE = re.compile(r"\{1:MULTICHOICE:([^}]*)\}")


def answers_of(direction, code, edges):
    """The answers to an exercise, worked out here as on paper: the code's entries for a tree, or
    for a code the vertex each entry is joined to, then the edge left over."""
    if direction == "encoding":
        return [str(v) for v in code]
    n = len(code) + 2
    degree = [0] + [1 + code.count(v) for v in range(1, n + 1)]
    answers = []
    for entry in code:
        lowest = min(v for v in range(1, n + 1) if degree[v] == 1)
        answers.append(str(lowest))
        degree[lowest] = 0
        degree[entry] -= 1
    return answers + [" ".join(str(v) for v in range(1, n + 1) if degree[v] == 1)]


def code_of_tree(n, edges):
    """The code of the tree with these edges, lowest leaf first."""
    neighbours = {v: set() for v in range(1, n + 1)}
    for a, b in edges:
        neighbours[a].add(b)
        neighbours[b].add(a)
    code = []
    for _ in range(n - 2):
        leaf = min(v for v, around in neighbours.items() if len(around) == 1)
        parent = neighbours.pop(leaf).pop()
        neighbours[parent].discard(leaf)
        code.append(parent)
    return code


def fact_answer(exercise):
    """The answer to an exercise on what a code tells, from what it shows ({ kind, n, and its
    code, vertex, question, degrees, edges or list }): a list of numbers, a number, or "yes" or
    "no"."""
    n, kind = int(exercise["n"]), exercise["kind"]
    if kind in ("leaves", "degree"):
        code = [int(v) for v in exercise["code"].split()]
        return [v for v in range(1, n + 1) if v not in code] if kind == "leaves" else code.count(int(exercise["vertex"])) + 1
    if kind == "count":
        if exercise["question"] == "all":
            return n ** (n - 2)
        count = math.factorial(n - 2)
        for degree in exercise["degrees"].split():
            count //= math.factorial(int(degree) - 1)
        return count
    code = code_of_tree(n, [tuple(map(int, pair.split("-"))) for pair in exercise["edges"].split()])
    given = [int(v) for v in exercise["list"].split()]
    if exercise["question"] == "whether":
        return "yes" if given == code else "no"
    (place,) = [k + 1 for k in range(n - 2) if given[k] != code[k]]
    return place


def sheet_answers(exercise):
    """The answers, as numbers, of an exercise as its sheet prints it: { kind, n, and code or
    edges } for a walk, or an exercise on what a code tells (fact_answer), none for whether."""
    n = int(exercise["n"])
    if exercise["kind"] not in ("encoding", "decoding"):
        answer = fact_answer(exercise)
        return [] if isinstance(answer, str) else [answer] if isinstance(answer, int) else answer
    if exercise["kind"] == "encoding":
        edges = [tuple(map(int, pair.split("-"))) for pair in exercise["edges"].split()]
        return code_of_tree(n, edges)
    code = [int(entry) for entry in exercise["code"].split()]
    return [int(v) for answer in answers_of("decoding", code, None) for v in answer.split()]


def file_of(href):
    """The text of a file a data: link holds."""
    head, _, data = href.partition(",")
    assert head.startswith("data:") and head.endswith(";charset=utf-8"), head
    return urllib.parse.unquote(data)


def moodle_questions(text):
    """Each Cloze question of a Moodle XML file: its name, its numerical blanks' answers, the
    right option of each choice, its hints, and whether it has general feedback. Raises where the file is not well-formed XML."""
    quiz = ElementTree.fromstring(text.encode("utf-8"))
    questions = []
    for question in quiz.iter("question"):
        if question.get("type") != "cloze":
            continue
        text = question.findtext("questiontext/text")
        choices = [option[1:] for found in CHOICE.findall(text) for option in found.split("~") if option.startswith("=")]
        questions.append({
            "name": question.findtext("name/text"),
            "blanks": [int(value) for value in BLANK.findall(text)],
            "choices": choices,
            "hints": len(question.findall("hint")),
            "feedback": bool(question.findtext("generalfeedback/text")),
        })
    return questions


UNESCAPED = r"(?<!\\)"


def gift_questions(text):
    """Each question of a GIFT file: its name, unescaped, and the answers it accepts."""
    questions = []
    for block in re.split(r"\n\s*\n", text):
        lines = [line for line in block.split("\n") if not line.startswith(("//", "$CATEGORY"))]
        block = "\n".join(lines).strip()
        if not block:
            continue
        _, name, rest = re.split(UNESCAPED + "::", block, maxsplit=2)
        answers = rest[re.search(UNESCAPED + r"\{", rest).end():rest.rindex("}")]
        accepted = [line.strip()[1:] for line in answers.split("\n")
                    if line.strip().startswith("=")]
        unescape = lambda words: re.sub(r"\\(.)", r"\1", words)
        questions.append({"name": unescape(name), "answers": [unescape(each) for each in accepted]})
    return questions
