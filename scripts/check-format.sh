#!/usr/bin/env bash
# Checks that the C++ lines changed between BASE and HEAD are formatted as
# .clang-format says. BASE defaults to HEAD~1, so on a merge commit this
# checks what the merge brought in.
#   scripts/check-format.sh            # HEAD~1..HEAD
#   scripts/check-format.sh main       # everything this branch changed since it left main
# Only the changed lines are checked (and the statements they belong to), so
# a change is not held to account for older code around it.
set -euo pipefail
cd "$(dirname "$0")/.."

base=${1:-HEAD~1}
extensions=cpp,h,cc,hpp

if ! command -v clang-format >/dev/null || ! command -v git-clang-format >/dev/null; then
  echo "check-format: clang-format is missing; install it with scripts/install-deps.sh" >&2
  exit 1
fi
if ! git rev-parse --git-dir >/dev/null 2>&1; then
  echo "check-format: not a git checkout; nothing to compare, skipped"
  exit 0
fi
if ! git rev-parse --verify -q "${base}^{commit}" >/dev/null; then
  if [ $# -eq 0 ]; then
    echo "check-format: HEAD has no parent commit here; skipped"
    exit 0
  fi
  echo "check-format: unknown commit '${base}'" >&2
  exit 1
fi

# From where HEAD's history met BASE's, so that commits BASE gained since
# (another branch merged into it, say) are not counted as this change's.
from=$(git merge-base "$base" HEAD)

# git clang-format prints a diff of what it would change, or a line saying
# there is nothing; its exit status does not tell the two apart.
if ! diff=$(git clang-format --extensions "$extensions" --diff "$from" HEAD 2>&1); then
  printf '%s\n' "$diff" >&2
  exit 1
fi
files=$(printf '%s\n' "$diff" | sed -n 's|^diff --git a/\(.*\) b/.*|\1|p')
if [ -z "$files" ]; then
  echo "check-format: the C++ lines changed since ${base} are formatted"
  exit 0
fi
{
  printf '%s\n' "$diff"
  echo
  echo "check-format: lines changed since ${base} are not formatted as .clang-format says in:"
  printf '  %s\n' $files
  echo "Fix them (only the lines changed since ${base}) in a clean checkout of HEAD with"
  echo "  git clang-format --extensions ${extensions} $(git rev-parse --short "$from") -- $(echo $files)"
  echo "then commit the result."
} >&2
exit 1
