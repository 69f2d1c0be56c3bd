# Source this: kernel_refuses_i386 tells whether this machine's kernel refuses 32-bit x86 programs
# outright (some sandboxes and virtual machines are built or booted without 32-bit support).  It
# runs a 93-byte i386 program that only exits, and answers yes only when the kernel says "Exec
# format error"; any other outcome (it ran, or a temporary folder that allows no programs) is no.
# VJD_NO_I386=1 makes it answer yes without asking the kernel: a machine that runs 32-bit code then
# takes the path of one that does not (set-up, tools/test.sh), to rehearse what CI's machines do.
kernel_refuses_i386() {
  local probe out
  [ "${VJD_NO_I386:-0}" = 1 ] && return 0
  probe=$(mktemp) || return 1
  # ELF header (i386, entry 0x08048054), one loadable segment, then: mov eax,1; xor ebx,ebx; int 0x80
  printf '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00\x01\x00\x00\x00'`
        `'\x54\x80\x04\x08\x34\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00'`
        `'\x00\x00\x00\x00\x00\x00\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08'`
        `'\x5d\x00\x00\x00\x5d\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00'`
        `'\xb8\x01\x00\x00\x00\x31\xdb\xcd\x80' >"$probe"
  chmod +x "$probe"
  out=$( (exec "$probe") 2>&1)
  rm -f "$probe"
  [[ $out == *"Exec format error"* ]]
}
