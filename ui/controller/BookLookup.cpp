#include "ui/controller/BookLookup.h"

#include "core/JosekiEngine.h"
#include "ui/controller/BookNotes.h"
#include "ui/controller/ControllerTexts.h"

#include <algorithm>
#include <optional>

namespace joseki {

std::vector<BookPlace> BookLookup::placesOfCursor(const JosekiEngine& engine) const
{
    if (engine.cursor == nullptr)
        return {};
    const std::optional<Stones> stones = PositionIndex::stonesAfter(*engine.cursor);
    if (!stones)
        return {};
    return index_.lookUp(PositionKey::of(*stones, PositionIndex::sideToMoveAfter(*engine.cursor)));
}

std::vector<BookPlace> BookLookup::otherPlaces(const JosekiEngine& engine) const
{
    std::vector<BookPlace> places = placesOfCursor(engine);
    std::erase_if(places, [&engine](const BookPlace& place) { return place.node == engine.cursor; });
    return places;
}

const VariationNode* BookLookup::nextPlace(const JosekiEngine& engine) const
{
    const std::vector<BookPlace> places = placesOfCursor(engine);
    if (places.size() < 2)
        return nullptr;
    const auto here = std::find_if(places.begin(), places.end(),
                                   [&engine](const BookPlace& place) { return place.node == engine.cursor; });
    if (here == places.end())
        return places.front().node;
    const auto next = here + 1;
    return next == places.end() ? places.front().node : next->node;
}

std::string BookLookup::placeLines(const std::vector<BookPlace>& places)
{
    std::string lines = controllerTexts::kTranspositions;
    for (const BookPlace& place : places)
        lines += bookNotes::kLineBreak + bookNotes::pathOf(*place.node) + bookNotes::orientationNote(place.orientation);
    return lines;
}

} // namespace joseki
