#!/usr/bin/env bash
# orvell-cli driven as a user drives it: arguments in, stdout, stderr and exit status checked.
#   cli_test.sh <orvell-cli> <group> [version]
# ORVELL_CLI_RUNNER, when set, runs the program (Wine's wrapper for orvell-cli.exe).
# Each group is one CTest entry; a failing check prints what the program said.
set -u
cli=$1
group=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0

# run [VAR=value ...] -- args...: runs the program (in an environment of its own when given), keeps
# its stdout, stderr and status.
run() {
    local env=()
    while [ "$1" != "--" ]; do env+=("$1"); shift; done
    shift
    env -u LC_ALL -u LC_MESSAGES -u LANG "${env[@]}" ${ORVELL_CLI_RUNNER:-} "$cli" "$@" >"$tmp/out" 2>"$tmp/err"
    status=$?
}

# expect STATUS STDOUT-TEXT STDERR-TEXT: the status, and each text found in its stream ("" for an empty
# stream, "*" for anything).
expect() {
    local ok=1
    [ "$status" = "$1" ] || ok=0
    for stream in out err; do
        local want=$2
        [ $stream = err ] && want=$3
        if [ "$want" = "" ]; then [ -s "$tmp/$stream" ] && ok=0
        elif [ "$want" != "*" ]; then grep -qF -- "$want" "$tmp/$stream" || ok=0
        fi
    done
    if [ $ok = 0 ]; then
        failures=$((failures + 1))
        echo "FAILED (line ${BASH_LINENO[0]}): status $status, wanted $1 / \"$2\" / \"$3\""
        sed 's/^/  out: /' "$tmp/out"; sed 's/^/  err: /' "$tmp/err"
    fi
}

case $group in
lookups)
    run LANG=zh_CN.UTF-8 -- A
    expect 0 "字符 A 对应的ASCⅡ值为：65" ""
    expect 0 "十进制 65，十六进制 0x41，八进制 0101，二进制 01000001" ""
    run -- --lang en --type delphi 65 Esc 126
    expect 0 "ASCⅡ value: 65" ""
    expect 0 "退出(Esc)键 对应的ASCⅡ值为：27" ""
    expect 0 "control code ESC ^[" ""
    [ "$(head -1 "$tmp/out")" = "ASCⅡ value: 65" ] || { failures=$((failures + 1)); echo "FAILED: answers out of order"; }
    # An answer and a miss: the found one on stdout, the window's message on stderr, status 1.
    run -- --lang zh --type c 065 65
    expect 1 "ASCⅡ值：065" "您输入的范围有误！"
    run -- --lang en --type c --table 129
    expect 0 "│    129     │            ü          │" ""
    ;;
locale)
    run -- A
    expect 0 "字符 A" ""
    run LANG=zh_TW.UTF-8 LC_ALL=en_GB.UTF-8 -- A
    expect 0 "The Character A" ""
    run LANG=de_DE.UTF-8 -- --lang zh A
    expect 0 "字符 A" ""
    ;;
usage)
    run LANG=en_US.UTF-8 -- --bogus A
    expect 2 "" "unknown option --bogus"
    run LANG=zh_CN.UTF-8 --
    expect 2 "" "没有要查询的内容"
    run -- --lang en --as pascal A
    expect 2 "" "unknown value pascal for --as"
    run -- --lang en --json --full
    expect 2 "" "--json answers lookups only"
    run -- --version
    expect 0 "orvell-cli $3" ""
    run LANG=en_US.UTF-8 -- --help
    expect 0 "Orvell V1.00 - ASCII Lookup" ""
    expect 0 "ASCII Value   two or three digits" ""
    ;;
formats)
    for pair in "c:'A'" "vb:Chr(65)" "delphi:#65" "html:&#65;" 'json:"\u0041"' "hex:0x41"; do
        run -- --as "${pair%%:*}" A
        [ "$(cat "$tmp/out")" = "${pair#*:}" ] && [ $status = 0 ] || { failures=$((failures + 1)); echo "FAILED: --as $pair gave $(cat "$tmp/out")"; }
    done
    run -- --type c --as c 027 039
    [ "$(cat "$tmp/out")" = "$(printf "'\\\\x1B'\n'\\\\''")" ] || { failures=$((failures + 1)); echo "FAILED: --as c gave $(cat "$tmp/out")"; }
    run -- --lang en --json --as json --type c 027 AB
    expect 1 '{"input":"027","found":true,"code":27,"hex":"0x1B","octal":"0033","binary":"00011011","control":"ESC","caret":"^[","answer":"ASCⅡ value: 027\n\nCorresponds Character:' "out of scale"
    expect 1 '"literal":"\"\\u001B\""}' "*"
    expect 1 '{"input":"AB","found":false,"message":"The content you have inputed is out of scale!\n' "*"
    ;;
lists)
    run -- --list
    expect 0 "另外：" ""
    run -- --full
    [ "$(wc -l <"$tmp/out")" = 87 ] || { failures=$((failures + 1)); echo "FAILED: --full has $(wc -l <"$tmp/out") lines"; }
    run -- --lang en --table
    [ "$(grep -c '│' "$tmp/out")" = 95 ] && grep -qF "│     33     │            !           │" "$tmp/out" ||
        { failures=$((failures + 1)); echo "FAILED: --table"; cat "$tmp/out"; }
    ;;
files)
    # Installed: bin/orvell-cli finds share/orvell. Copied alone: the window's fallback (nothing
    # found) and a message naming the missing file.
    mkdir -p "$tmp/inst/bin" "$tmp/inst/share/orvell" "$tmp/alone"
    cp "$cli" "$tmp/inst/bin/" && cp "$cli" "$tmp/alone/"
    cp "$(dirname "$cli")"/{Character.txt,ASCⅡ.txt,Chinese.ini,English.ini} "$tmp/inst/share/orvell/"
    cli=$tmp/inst/bin/orvell-cli
    run -- --lang en 126
    expect 0 "Corresponds Character: ~" ""
    cli=$tmp/alone/orvell-cli
    run -- --lang en A
    expect 1 "" "Character.txt is missing or short (0 of 94 lines read)"
    expect 1 "" "The content you have inputed is out of scale!"
    run -- --lang zh 65
    expect 1 "" "ASCⅡ.txt 缺失或不完整（读到 0 行，需要 94 行）"
    run -- --lang en --help
    expect 0 "Usage: orvell-cli" "English.ini is missing or short"
    # The characters without their values: an answer that names no code is not reported as found.
    cp "$tmp/inst/share/orvell/Character.txt" "$tmp/alone/"
    run -- --lang en A
    expect 1 "" "ASCⅡ.txt is missing or short"
    # Files in the Chinese code page read as the window reads them.
    cli=$tmp/inst/bin/orvell-cli
    iconv -f UTF-8 -t GBK "$(dirname "$0")/../../data/Character.txt" >"$tmp/inst/share/orvell/Character.txt"
    run -- --lang zh --type c "(空)" "╞"
    expect 0 "字符 (空) 对应的ASCⅡ值为：000" ""
    expect 0 "对应的ASCⅡ值为：198" ""
    ;;
windows)
    # orvell-cli.exe: Chinese and box drawing come out whole, the data are found beside it.
    run LC_ALL=C.UTF-8 -- --lang zh --type c --table 065 AB
    expect 1 "│   065    │     A    │" "您输入的范围有误！"
    expect 1 "十进制 65，十六进制 0x41" "*"
    ;;
*)
    echo "no group $group"; exit 2 ;;
esac
[ $failures = 0 ]
