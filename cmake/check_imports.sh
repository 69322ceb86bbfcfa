#!/bin/sh
# Fails when a Windows program imports a DLL outside Windows' own basic set, or any registry
# function (those are bound by name at run time).
#   check_imports.sh OBJDUMP PROGRAM.exe
set -eu
objdump=$1
program=$2

imports=$("$objdump" -p "$program") || { echo "check_imports: cannot read $program" >&2; exit 1; }
failed=0

dlls=$(printf '%s\n' "$imports" | sed -n 's/^[[:space:]]*DLL Name:[[:space:]]*//p')
[ -n "$dlls" ] || { echo "check_imports: no import table found in $program" >&2; exit 1; }
for dll in $dlls; do
  case $(printf '%s' "$dll" | tr '[:lower:]' '[:upper:]') in
    KERNEL32.DLL | USER32.DLL | GDI32.DLL | MSVCRT.DLL) ;;
    *)
      echo "check_imports: $program imports $dll, which is not allowed" >&2
      failed=1
      ;;
  esac
done

# Import lines read "<hint> <name>" (objdump indents them; some also give an ordinal column).
# Every registry function's name starts with "Reg"; user32's Register* functions (window
# classes, messages) are not registry functions.
registry_functions=$(printf '%s\n' "$imports" | awk '/DLL Name:/ { in_table = 1; next }
  in_table && NF >= 2 && $NF ~ /^Reg/ && $NF !~ /^Register/ { print $NF }')
if [ -n "$registry_functions" ]; then
  echo "check_imports: $program imports registry functions:" $registry_functions >&2
  failed=1
fi

exit $failed
