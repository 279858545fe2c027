/* The request layout as a 32-bit host sees it: 13-byte entries, 604-byte
 * record. Compiling this file with -m32 is the proof; it has no code. */
#include "layout_abi_checks.h"

VKS_ABI_CHECK(sizeof(void*) == 4);
VKS_ABI_CHECK(sizeof(VksLayoutEntry) == 13);
VKS_ABI_CHECK(sizeof(VksRequestLayout) == 604);
VKS_ABI_CHECK(offsetof(VksRequestLayout, alignment) == 602);
VKS_ABI_CHECK(offsetof(VksRequestLayout, entries[45]) == 4 + 45 * 13);
VKS_ABI_CHECK(offsetof(VksRequestLayout, entries[1].fixed_text) == 4 + 13 + 9);

/* A translation unit must declare something. */
extern const int vksLayoutAbi32Checked;
const int vksLayoutAbi32Checked = 1;

#ifdef VKS_LAYOUT_PROOF_PROGRAM
/* Built as a Windows program: the target's own compiler made the record,
 * and the program runs where the host does. */
int main(void) { return vksLayoutAbi32Checked == 1 ? 0 : 1; }
#endif
