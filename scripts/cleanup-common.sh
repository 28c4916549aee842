# Shared by the scripts (sourced, not run): one EXIT trap per script that
# undoes whatever the script and the helpers it sources have started. A
# helper with a trap of its own would replace the script's, and what was
# started before it would stay behind. So whatever starts something adds the
# step that undoes it with on_exit right away, and the trap runs the steps
# last first. Bash runs the trap on exit, on a failed command under set -e,
# and when a signal such as INT or TERM ends the script.

# Once, however many helpers source this: sourcing it again would drop the
# steps added so far.
if [ -z "${EXIT_STEPS_SET:-}" ]; then
  EXIT_STEPS_SET=1
  EXIT_STEPS=()
  trap run_exit_steps EXIT
fi

# Adds a step: one command line, run with eval at exit, so quote variables
# that are to be read then rather than now.
on_exit() {
  EXIT_STEPS+=("$1")
}

# Each step runs even when the one before failed, and a failing step does
# not change the script's exit status.
run_exit_steps() {
  local i
  for ((i = ${#EXIT_STEPS[@]} - 1; i >= 0; i--)); do
    eval "${EXIT_STEPS[i]}" || true
  done
}

# Ends a background job of this shell and waits for it. A job that has
# ended already is left alone: its pid may be another process's by now.
stop_job() {
  jobs -pr | grep -qx "$1" || return 0
  kill "$1" 2>/dev/null || true
  wait "$1" 2>/dev/null || true
}
