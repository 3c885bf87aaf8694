# Sourced by the web scripts: the environment Debian's Emscripten needs here.
# Its tools are node scripts that require 'acorn', which Debian keeps in
# /usr/share/nodejs, where a node from elsewhere (as on this machine) does not
# look. Its cache of system libraries is frozen: the build uses only variants
# Debian built already (a new one, asked for by a flag such as
# -sUSE_PTHREADS, fails to link).
# shellcheck shell=bash
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
