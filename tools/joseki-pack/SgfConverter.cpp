#include "SgfConverter.h"

#include "DecodedSgf.h"
#include "DialectWriter.h"
#include "OutputFile.h"
#include "StandardSgfParser.h"

#include <cstdio>

namespace joseki::pack {

namespace {

constexpr int kSuccess = 0;
constexpr int kFailure = 1;

int fail(const std::string& message)
{
    std::fprintf(stderr, "joseki-pack: %s\n", message.c_str());
    return kFailure;
}

int fail(const std::string& file, const std::string& problem) { return fail(file + ": " + problem); }

void note(const std::string& file, const std::string& what)
{
    std::fprintf(stderr, "joseki-pack: %s: warning: %s\n", file.c_str(), what.c_str());
}

void reportReading(const std::string& file, const DecodedSgf& decoded)
{
    if (!decoded.choice.empty())
        note(file, decoded.choice);
    if (decoded.undecodable != 0)
        note(file,
             std::to_string(decoded.undecodable) + " byte(s) that are not " + decoded.charset + " read as U+FFFD");
}

void reportCollection(const std::string& file, const SgfCollection& collection, std::size_t tree)
{
    const std::string number = std::to_string(tree);
    if (collection.openedWithoutSemicolon)
        note(file,
             "game tree " + number + " opens with \"(\" and no \";\" before its first node; read as if it were there");
    if (collection.treeCount > 1)
        note(file, "the file holds " + std::to_string(collection.treeCount) + " game trees; converted game tree " +
                       number + ", skipped " + std::to_string(collection.treeCount - 1) + " (--tree N picks another)");
    if (!collection.unreadable.empty())
        note(file, "text after game tree " + std::to_string(collection.treeCount) +
                       " looks like a game tree but is not one, ignored (" + collection.unreadable + ")");
}

void reportNotes(const std::string& file, const ConversionNotes& notes)
{
    if (notes.replacedCharacters != 0)
        note(file, std::to_string(notes.replacedCharacters) + " character(s) GBK cannot hold (or the reader would " +
                       "misread) written as \"?\", the first being \"" + notes.firstReplaced + "\"");
    if (notes.movesMadeTenuki != 0)
        note(file, std::to_string(notes.movesMadeTenuki) + " move(s) off the 19x19 board written as tenuki \"tt\"");
    if (notes.droppedPoints != 0)
        note(file, std::to_string(notes.droppedPoints) + " setup or mark point(s) off the board dropped");
    if (notes.droppedLabels != 0)
        note(file, std::to_string(notes.droppedLabels) +
                       " label(s) dropped (not one printable byte, off the board, or beyond 20 in a node)");
    if (notes.cutValues != 0)
        note(file, std::to_string(notes.cutValues) + " value(s) cut to the reader's limit of 1024 bytes");
    std::string dropped;
    for (const auto& [identifier, count] : notes.droppedProperties)
        dropped += " " + identifier + " (" + std::to_string(count) + ")";
    if (!dropped.empty())
        note(file, "properties the reader does not know, dropped:" + dropped);
}

} // namespace

int SgfConverter::convert(const std::string& inputPath, const std::string& outputPath, std::size_t tree)
{
    std::string raw;
    std::string error;
    if (!OutputFile::readAll(inputPath, raw, error))
        return fail(error);
    const DecodedSgf decoded = decodeSgf(raw);
    reportReading(inputPath, decoded);

    SgfCollection collection;
    if (!StandardSgfParser::parse(decoded.utf8, tree, collection, error))
        return fail(inputPath, error);
    reportCollection(inputPath, collection, tree);
    const SgfTree& chosen = collection.tree;
    ConversionNotes notes;
    const std::string dialect = DialectWriter::write(chosen, notes);
    reportNotes(inputPath, notes);
    if (!OutputFile::writeAtomically(outputPath, dialect, error))
        return fail(error);
    std::printf("%s: nodes %zu bytes %zu\n", outputPath.c_str(), chosen.nodes.size(), dialect.size());
    return kSuccess;
}

} // namespace joseki::pack
