#!/usr/bin/env python3
"""Writes the man page and the bash completion of korvex-cli from the tool's own --help texts.

Use: clidocs.py KORVEX_CLI VERSION MAN_OUT COMPLETION_OUT
"""
import re
import subprocess
import sys

ENTRY = re.compile(r"^  ([a-z][a-z0-9-]*)\s{2,}(.*)$")


def help_text(cli, *words):
    return subprocess.run([cli, *words], check=True, capture_output=True, text=True).stdout


def block_entries(text, heading):
    """The `name  summary` lines that follow a line ending with `heading`, up to a blank line."""
    lines = text.splitlines()
    for start, line in enumerate(lines):
        if line.endswith(heading):
            entries = []
            for entry in lines[start + 1:]:
                match = ENTRY.match(entry)
                if not match:
                    break
                entries.append((match.group(1), match.group(2)))
            return entries
    return []


def usage_words(text, command):
    """Lower-case words that follow `korvex-cli COMMAND` in the usage lines (lookup merge, show)."""
    return sorted(set(re.findall(r"korvex-cli " + command + r" ([a-z]+)\b", text)))


def options(text):
    return sorted(set(re.findall(r"(?<![\w-])(--[a-z][a-z0-9-]*)", text)))


class Command:
    def __init__(self, cli, name, summary):
        self.name = name
        self.summary = summary
        self.help = help_text(cli, name, "--help")
        # print: one printout per subcommand, each with its own --help.
        self.printouts = [(sub, summary, help_text(cli, name, sub, "--help"))
                          for sub, summary in block_entries(self.help, "Ausdrucke:")]
        self.subcommands = [sub for sub, _, _ in self.printouts] or usage_words(self.help, name)


def roff(text):
    """Text for a no-fill block: backslashes and hyphens escaped, control characters defused."""
    out = []
    for line in text.rstrip("\n").split("\n"):
        line = line.replace("\\", "\\e").replace("-", "\\-")
        if line.startswith((".", "'")):
            line = "\\&" + line
        out.append(line)
    return "\n".join(out)


def man_page(overview, commands, version):
    paragraphs = overview.split("\n\n")
    description = paragraphs[1].splitlines()[0].rstrip(" .:")
    closing = paragraphs[-1].strip()
    page = [
        '.TH KORVEX\\-CLI 1 "" "Korvex %s" "Korvex"' % version,
        ".SH NAME",
        "korvex\\-cli \\- %s" % description[0].lower() + description[1:].replace("-", "\\-"),
        ".SH \u00dcBERSICHT",
        ".B korvex\\-cli",
        ".I BEFEHL",
        "[\\fIARGUMENTE\\fR] [\\fIOPTIONEN\\fR]",
        ".br",
        ".B korvex\\-cli",
        ".I BEFEHL",
        ".B \\-\\-help",
        ".SH BESCHREIBUNG",
        "\\fBkorvex\\-cli\\fR arbeitet ohne Fenster auf den Sammlungsdateien von Korvex.",
        ".PP",
        ".nf",
        roff(overview),
        ".fi",
        ".SH BEFEHLE",
    ]
    for command in commands:
        page += ['.SS "%s \\(em %s"' % (command.name, command.summary.replace("-", "\\-")),
                 ".nf", roff(command.help), ".fi"]
        for sub, summary, text in command.printouts:
            page += ['.SS "%s %s \\(em %s"' % (command.name, sub, summary.replace("-", "\\-")),
                     ".nf", roff(text), ".fi"]
    page += [
        ".SH EXIT\\-STATUS",
        roff(closing).replace("\n", " "),
        ".SH UMGEBUNG",
        ".TP",
        ".B KORVEX_DATA_DIR",
        "der Datenordner mit den Hilfsdatenbanken (korvex.ini); sonst",
        "~/.local/share/proMarbel/Korvex",
        ".SH SIEHE AUCH",
        "Die Hilfe von Korvex (Men\u00fc \u201eHilfe\u201c, Taste F1), installiert unter",
        "/usr/share/korvex/hilfe/.",
    ]
    return "\n".join(page) + "\n"


def completion(commands):
    cases = []
    for command in commands:
        words = " ".join(options(command.help))
        body = ['words="%s"' % words]
        if command.subcommands:
            body = [
                "if (( COMP_CWORD == 2 )); then",
                '        COMPREPLY=( $(compgen -W "%s --help" -- "$cur") ); return',
                "      fi",
            ]
            body[1] = body[1] % " ".join(command.subcommands)
            if command.printouts:
                body.append('case "${COMP_WORDS[2]}" in')
                for sub, _, text in command.printouts:
                    body.append('        %s) words="%s" ;;' % (sub, " ".join(options(text))))
                body.append("      esac")
            else:
                body.append('words="%s"' % words)
        cases.append("    %s)\n      %s\n      ;;" % (command.name, "\n      ".join(body)))
    names = " ".join(command.name for command in commands)
    return """# bash completion for korvex-cli, written from its --help texts at build time.
_korvex_cli() {
  local cur="${COMP_WORDS[COMP_CWORD]}" words=""
  if (( COMP_CWORD == 1 )); then
    COMPREPLY=( $(compgen -W "%s --help" -- "$cur") )
    return
  fi
  case "${COMP_WORDS[1]}" in
%s
  esac
  if [[ "$cur" == -* ]]; then
    COMPREPLY=( $(compgen -W "$words --help" -- "$cur") )
  else
    # Collection files, output files and folders.
    compopt -o filenames 2>/dev/null
    COMPREPLY=( $(compgen -f -- "$cur") )
  fi
}
complete -F _korvex_cli korvex-cli
""" % (names, "\n".join(cases))


def main():
    cli, version, man_out, completion_out = sys.argv[1:5]
    overview = help_text(cli, "--help")
    commands = [Command(cli, name, summary) for name, summary in block_entries(overview, "Befehle:")]
    if not commands:
        sys.exit("korvex-cli --help nennt keine Befehle")
    with open(man_out, "w", encoding="utf-8") as out:
        out.write(man_page(overview, commands, version))
    with open(completion_out, "w", encoding="utf-8") as out:
        out.write(completion(commands))


if __name__ == "__main__":
    main()
