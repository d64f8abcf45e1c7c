#include "library/LibraryTexts.h"

namespace joseki::libraryTexts {

const char* const kStrayEscape = "提示转义符";
const char* const kLoadFailed = "装载定式库失败";
const char* const kFileTooShort = "文件的长度太小，试运行plus.bat";
const char* const kDataFileError = "数据文件错误：";
const char* const kBadSgf = "错误的SGF：";

const char* const kBadIdentifier = "未明的关键词";
const char* const kTooLong = "过长的内容";
const char* const kBadCoordinate = "错误的坐标值";
const char* const kUnknownIdentifier = "未知的关键词";

} // namespace joseki::libraryTexts
