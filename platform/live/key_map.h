#pragma once
// Real keys as the runtime knows them: GDK key values to Windows virtual-key
// codes (the codes scripts and shortcuts use).

namespace vx::live {

// The virtual key of a GDK key value, or -1 for keys the runtime has no
// code for. Letters and digits give their upper-case ASCII code whatever
// the case. groupZeroKeyval: the key value of the same physical key on the
// first layout, so that a letter typed on a Persian layout is still the key
// of its place ("A" for the key left of "S"), as on Windows.
int VirtualKeyOfKeyval(unsigned keyval, unsigned groupZeroKeyval);

}  // namespace vx::live
