#include "ui/floyd/floydlistings.h"
#include "ui/support/seams.h"
#include "ui/support/utf8.h"

#include "core/floyd.h"
#include "core/floydcsv.h"
#include "core/steps.h"

#include <QLabel>

namespace trayeko::ui {

ClassroomActions::ListingContents
floydListingContents(QList<ClassroomActions::Listing> listings,
                     std::function<std::optional<LinkWeights>()> runWeights)
{
    ClassroomActions::ListingContents contents;
    contents.pages = [listings, runWeights] {
        QList<PrintListing> out;
        const std::optional<LinkWeights> weights = runWeights();
        if (!weights || listings.size() != 2)
            return out;
        const std::string separator = regionalDecimalSeparator();
        const FloydListing listing = listFloydMatrices(*weights, separator);
        const FloydListingMarks marks = floydListingMarks(floydChanges(*weights, separator));
        const std::vector<std::string>* lines[] = {&listing.valueLines, &listing.nodeLines};
        const std::vector<std::vector<int>>* marked[] = {&marks.valueLines, &marks.nodeLines};
        // Pages break between the iterations' blocks: nine lines in the value listing (with the
        // blank line before the next header), eight in the node listing.
        const int blocks[] = {valueHeaderLine(1), nodeHeaderLine(1)};
        for (int i = 0; i < 2; ++i) {
            PrintListing page{
                listings[i].title, listings[i].header->text(), {}, *marked[i], blocks[i]};
            page.matrices = true;
            for (const std::string& line : *lines[i])
                page.lines.append(toQString(line));
            out.append(page);
        }
        return out;
    };
    contents.csv = [runWeights] {
        const std::optional<LinkWeights> weights = runWeights();
        return weights ? floydCsv(*weights, regionalDecimalSeparator()) : std::string();
    };
    return contents;
}

} // namespace trayeko::ui
