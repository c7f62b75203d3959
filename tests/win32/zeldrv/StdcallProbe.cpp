#include "StdcallProbe.h"

// cdecl: fn at 8(%ebp), words at 12, count at 16, espShift at 20. The stack
// pointer before the arguments are pushed is kept in %edi, which every callee
// preserves, and restored afterwards whatever the callee did.
asm(R"(
    .text
    .globl _stdcall_probe_call
_stdcall_probe_call:
    pushl %ebp
    movl %esp, %ebp
    pushl %esi
    pushl %edi
    movl 12(%ebp), %esi
    movl 16(%ebp), %ecx
    movl %esp, %edi
1:  testl %ecx, %ecx
    jz 2f
    decl %ecx
    pushl (%esi,%ecx,4)
    jmp 1b
2:  call *8(%ebp)
    movl %esp, %ecx
    subl %edi, %ecx
    movl 20(%ebp), %edx
    movl %ecx, (%edx)
    movl %edi, %esp
    popl %edi
    popl %esi
    popl %ebp
    ret
)");
