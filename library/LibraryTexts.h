#pragma once

// The library layer's texts (GBK), in one table: the only file of this layer
// that holds non-ASCII text, so it alone needs the compiler's GBK treatment.
namespace joseki::libraryTexts {

// The loader.
extern const char* const kStrayEscape;   // a backslash that starts no "\:"
extern const char* const kLoadFailed;    // the program's own file cannot be opened
extern const char* const kFileTooShort;  // the file is shorter than any program
extern const char* const kDataFileError; // no container magic
extern const char* const kBadSgf;        // the text does not open with "(;"

// The reader.
extern const char* const kBadIdentifier;     // an identifier of no or too many letters
extern const char* const kTooLong;           // a value over the limit
extern const char* const kBadCoordinate;     // a point outside a..t
extern const char* const kUnknownIdentifier; // an identifier the reader does not know

} // namespace joseki::libraryTexts
