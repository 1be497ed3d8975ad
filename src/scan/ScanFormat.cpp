#include "scan/ScanFormat.h"

#include "core/Progress.h"
#include "document/FormatDocument.h"
#include "formatfile/FormatTree.h"
#include "scan/ProposalRecords.h"
#include "scan/ScanTexts.h"
#include "store/BackgroundPictures.h"
#include "store/Database.h"
#include "store/FormatStore.h"

#include <cmath>

namespace {

constexpr qint64 kDefaultDesignWidth = 15360;

// The document's format with the proposal's boxes in it.
Format WithProposal(const Format& format, const ScanProposal& proposal) {
    FormatDocument document;
    document.Open(format);
    ApplyProposal(document, proposal.boxes);
    return document.GetFormat();
}

ScanStored Store(Database& db, Format format, qint64 designWidth, bool addToTree, const ScanProposal& proposal) {
    ScanStored stored;
    SilentProgress quiet;
    {
        Database::Transaction transaction(db);
        const bool saved = transaction.Active() && FormatStore(db).SaveFormat(format, QString(), designWidth, quiet) &&
                           (!addToTree || AddFormatToTree(db, format.name)) && transaction.Commit();
        if (!saved) {
            stored.problem = db.LastError();
            return stored;
        }
    }
    stored.boxes = int(proposal.boxes.size());
    const QString picture = BackgroundPicturePath(format.name);
    if (!SaveBackground(proposal.picture, picture) || !BackgroundPictures(db).Publish(format.name))
        stored.problem = ScanTexts::kPictureFailed.arg(picture);
    return stored;
}

} // namespace

ScanStored CreateFormatFromScan(Database& db, const QString& name, const ScanProposal& proposal) {
    Format format;
    format.name = name;
    format.page.width = std::round(proposal.pageMm.width() * 10) / 10;
    format.page.height = std::round(proposal.pageMm.height() * 10) / 10;
    format.page.options.optionBoxes[kShowBackground] = 1;
    return Store(db, WithProposal(format, proposal), kDefaultDesignWidth, true, proposal);
}

ScanStored AddScanToFormat(Database& db, const Format& format, qint64 designWidth, const ScanProposal& proposal) {
    return Store(db, WithProposal(format, proposal), designWidth, false, proposal);
}
