# Sourced by the shell tests.
# wait_for TENTHS COMMAND...: waits up to TENTHS tenths of a second for
# COMMAND to succeed, trying again every tenth.
wait_for() {
  local tries=$1; shift
  for _ in $(seq "$tries"); do
    if "$@" >/dev/null 2>&1; then return 0; fi
    sleep 0.1
  done
  return 1
}
