#pragma once

namespace vks {

// Copies the host's service-X data (field 20033) trimmed into field 1099.
// False when the store failed (reported to the host).
bool TrataServicoX_VKS();

} // namespace vks
