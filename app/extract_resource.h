#pragma once

#include "platform.h"

// Writes the resource of the given type and integer id, byte for byte and
// straight from the loaded image, to a file created anew at filePath.
// True only when a non-empty resource was found and written whole.
bool ExtractResourceToFile(LPCSTR filePath, UINT resourceId, LPCSTR resourceType);
