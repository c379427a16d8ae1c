// Helpers for reading skin files: opening a reader and reading attribute values.
#pragma once

#include <memory>
#include <string>

#include "platform/xml_reader.h"

// A reader over the file's bytes, or null when the file cannot be read. Notes the file
// on the debug output.
std::unique_ptr<XmlReader> kui_OpenSkinFile(const std::string& path);
// A plain text-to-integer conversion: leading digits count, anything else gives 0.
int kui_ToInt(const std::string& text);
float kui_ToFloat(const std::string& text);
// True when the attribute is present on the reader's current element.
bool kui_HasAttribute(xmlTextReaderPtr reader, const char* name);
