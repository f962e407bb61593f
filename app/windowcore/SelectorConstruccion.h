#pragma once
// The hub's way into the construction exercises (defined with them; the
// shell registers it under the hub's menu entry).
void AbreSelectorConstruccion();
