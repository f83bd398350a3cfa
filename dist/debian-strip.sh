#!/bin/sh
# Strips a program as Debian's packaging tools do: no symbols, no debugging sections and no
# compiler comments, while the build-id note stays so that separate debugging symbols still fit.
exec strip --remove-section=.comment --remove-section=.note "$@"
