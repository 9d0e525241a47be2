#pragma once

namespace pendara {

// Registers the program's compiled-in resources (tables, icons). The resources live in a static
// library, whose registration code the linker would otherwise leave out. Safe to call often.
void LoadSupportResources();

}  // namespace pendara
