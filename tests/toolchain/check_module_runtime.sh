#!/usr/bin/env bash
# Checks, from their symbol and import tables alone (no Windows program runs), that each Windows
# module answers its static C++ runtime's thread calls itself (framework/runtime), so that freeing
# and loading it again leaves nothing of it behind:
#   check_module_runtime.sh OBJDUMP MODULE.dll...
# (a stripped MODULE.dll is read with the symbol table of MODULE.dll.debug beside it)
# - the module's own thread services are in it (fw::runtime);
# - of the toolchain's threads library (winpthreads) nothing is: no pthread name but the calls the
#   runtime makes, which are the module's own.  That library keeps a record of each thread it
#   meets (a duplicate of its handle, an event, a TLS index, some memory) that outlives the module,
#   and an i686 module meets its loading thread at once, when it registers its unwind tables;
# - it takes no TLS index (TlsAlloc), which nothing gives back when the module is freed: the
#   runtime's emulated thread-local storage (__emutls) keeps its values under a key of the
#   module's own, a fiber-local index given back at unload;
# - it makes no semaphore (CreateSemaphore): the runtime of the toolchain's other thread model
#   ("win32") makes one for its unwinder's lock at each load and never closes it.
set -euo pipefail
objdump=$1
shift
allowed="pthread_once pthread_mutex_init pthread_mutex_destroy pthread_mutex_lock
         pthread_mutex_unlock pthread_cond_wait pthread_cond_broadcast pthread_key_create
         pthread_getspecific pthread_setspecific"
failures=0
for module in "$@"; do
  [ -f "$module" ] || { echo "$module: not built"; failures=$((failures + 1)); continue; }
  symbols=$("$objdump" -t "$module" | sed -n 's/^\[ *[0-9]*\](sec.* 0x[0-9a-f]* //p')
  # A stripped module's symbols are in its symbol file beside it (an optimised build's).
  if [ -z "$symbols" ] && [ -f "$module.debug" ]; then
    symbols=$("$objdump" -t "$module.debug" | sed -n 's/^\[ *[0-9]*\](sec.* 0x[0-9a-f]* //p')
  fi
  if [ -z "$symbols" ]; then echo "$module: no symbol table"; failures=$((failures + 1)); continue; fi
  problems=()
  grep -q '^_*ZN2fw7runtime' <<<"$symbols" ||
    problems+=("its own thread services (fw::runtime) are not linked in")
  foreign=()
  while read -r name; do
    plain=${name#_}
    [[ " $allowed " == *[[:space:]]"$plain"[[:space:]]* ]] || foreign+=("$name")
  done < <(grep -i 'pthread' <<<"$symbols" | grep -v '^\.' | sort -u)
  [ ${#foreign[@]} -eq 0 ] ||
    problems+=("the threads library's code, ${#foreign[@]} names: ${foreign[*]:0:6} ...")
  imports=$("$objdump" -p "$module" | sed -n 's/^[[:space:]]*[0-9a-f]\{1,\}[[:space:]]\{1,\}[0-9]\{1,\}[[:space:]]\{1,\}//p')
  for taken in TlsAlloc CreateSemaphoreA CreateSemaphoreW; do
    grep -qx "$taken" <<<"$imports" && problems+=("imports $taken")
  done
  if [ ${#problems[@]} -gt 0 ]; then
    echo "$module:"; printf '  %s\n' "${problems[@]}"
    failures=$((failures + 1))
  else
    echo "$module: the runtime's thread calls are its own"
  fi
done
exit $((failures > 0))
