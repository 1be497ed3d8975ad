#include "aids/EntryAids.h"

#include "aids/AidContext.h"
#include "aids/DecimalArithmetic.h"
#include "aids/EntryPath.h"
#include "aids/Relations.h"
#include "content/Amounts.h"
#include "content/Conversions.h"
#include "content/DataTypes.h"
#include "document/FormatDocument.h"
#include "records/BoxValues.h"
#include "records/HistoryQueries.h"
#include "store/Bill.h"

#include <QQueue>
#include <optional>

namespace {

bool IsChecked(const QString& value) {
    const QString v = value.trimmed();
    return !v.isEmpty() && v != QLatin1String("0");
}

// Puts what a box holds for a value into it; true when the content changed.
bool PutContent(FormatDocument& document, const BoxRecord& box, const std::optional<QString>& content) {
    if (!content || document.Content(box.id) == *content) return false;
    document.SetContent(box.id, *content);
    return true;
}

class AidRun {
public:
    AidRun(FormatDocument& document, const AidContext& context) : document_(document), context_(context) {}

    void Add(qint64 id, int steps) { queue_.enqueue({id, steps}); }

    void Run() {
        for (int done = 0; !queue_.isEmpty() && done < kChainSteps; ++done) {
            const auto [id, steps] = queue_.dequeue();
            const BoxRecord* box = document_.Record(id);
            if (!box) continue;
            if (box->kind == BoxKind::Check) {
                ApplyRadioGroup(document_, id);
                continue;
            }
            // Boxes reached through a ring already hold the ring's value: they pass
            // it on to their sums only, or a ring would echo back into the box typed in.
            if (steps & kRingStep)
                for (qint64 changed : PropagateSame(document_, id, context_)) Add(changed, kSumStep);
            if (steps & kLinkedBillStep)
                for (qint64 changed : PullLinkedBill(document_, id, context_)) Add(changed, kRingStep | kSumStep);
            if (steps & kSumStep)
                for (qint64 changed : RecomputeSums(document_, id, context_)) Add(changed, kRingStep | kSumStep);
        }
    }

private:
    struct Entry {
        qint64 id;
        int steps;
    };
    FormatDocument& document_;
    const AidContext& context_;
    QQueue<Entry> queue_;
};

// A contributor's number: capital amounts read back, "" is 0.
Decimal ContributorValue(const QString& text, double dataType, const QString& currency) {
    return NumericDecimal(CapitalToNumber(text, dataType), currency);
}

// The value of sum target `target` over all its contributors; nullopt for an empty
// product.
std::optional<Decimal> SumOf(const FormatDocument& document, qint64 target, bool multiply,
                             const QString& currency) {
    Decimal acc;
    if (multiply) acc.intDigits = QStringLiteral("1");
    for (const BoxRecord& box : document.GetFormat().boxes) {
        if (box.kind != BoxKind::Text || box.id == target) continue;
        std::optional<SumLink> link;
        for (const SumLink& candidate : SumLinksOf(box))
            if (candidate.target == target) {
                link = candidate;
                break;
            }
        if (!link) continue;
        const QString text = document.Content(box.id);
        if (multiply && text.isEmpty()) return std::nullopt;
        Decimal value = ContributorValue(text, box.cash, currency);
        if (link->negate) value = NegateDecimal(value);
        acc = multiply ? MultiplyDecimals(acc, value) : AddDecimals(acc, value);
    }
    return acc;
}

} // namespace

QList<qint64> PropagateSame(FormatDocument& document, qint64 boxId, const AidContext& context) {
    QList<qint64> changed;
    const BoxRecord* source = document.Record(boxId);
    if (!source) return changed;
    const QString value = document.Content(boxId);
    // A capital amount reaches boxes of other types as the number it stands for.
    const QString number = source->kind == BoxKind::Text ? CapitalToNumber(value, source->cash) : value;
    for (qint64 id : RingMembers(document, boxId, RingKind::Same)) {
        const BoxRecord* box = document.Record(id);
        const bool typed = box->kind == BoxKind::Text && HasDataType(box->cash);
        // The value is in the box already as it stands: no line-break marker to read.
        const std::optional<QString> content =
            EnteredContent(*box, typed ? number : value, EntryRoute::Typed, context.filling);
        if (PutContent(document, *box, content)) changed.append(id);
    }
    return changed;
}

QList<qint64> PullLinkedBill(FormatDocument& document, qint64 boxId, const AidContext& context) {
    QList<qint64> changed;
    const BoxRecord* edited = document.Record(boxId);
    const QString value = document.Content(boxId);
    if (!context.db || !edited || value.isEmpty()) return changed;
    const QList<qint64> ring = RingMembers(document, boxId, RingKind::Related);
    if (ring.isEmpty()) return changed;
    const QString formatName = document.GetFormat().name;
    const LinkedBill linked = FindLinkedBill(*context.db, formatName, boxId, edited->label, value);
    if (linked.number == 0) return changed;
    QHash<qint64, QString> byId;
    QHash<QString, QString> byLabel;
    for (const BillValue& stored : LoadLinkedBill(*context.db, formatName, linked.number)) {
        byId.insert(stored.boxId, stored.value);
        byLabel.insert(stored.label, stored.value);
    }
    const bool grouped = SplitLabelGroup(edited->label).group > 0;
    for (qint64 id : ring) {
        const BoxRecord* box = document.Record(id);
        // A grouped box takes the value of its namesake in the group that matched.
        // A box the stored bill holds nothing for was empty on that bill.
        const QString stored =
            grouped ? byLabel.value(SplitLabelGroup(box->label).stem + u'_' + QString::number(linked.group))
                    : byId.value(id);
        // A stored value, filled in as stored values are.
        if (PutContent(document, *box, FilledContent(*box, stored, context.filling))) changed.append(id);
    }
    return changed;
}

QList<qint64> RecomputeSums(FormatDocument& document, qint64 boxId, const AidContext& context) {
    QList<qint64> changed;
    const BoxRecord* edited = document.Record(boxId);
    if (!edited || edited->kind != BoxKind::Text) return changed;
    const ConversionSettings& settings = context.filling.settings;
    for (const SumLink& link : SumLinksOf(*edited)) {
        const BoxRecord* target = link.target ? document.Record(link.target) : nullptr;
        if (!target || target->kind != BoxKind::Text || target->id == boxId) continue;
        const std::optional<Decimal> sum = SumOf(document, target->id, link.multiply, settings.currency);
        const QString text = sum ? ConvertByDataType(ShortestForm(*sum), target->cash, settings) : QString();
        if (document.Content(target->id) == text) continue;
        document.SetContent(target->id, text);
        changed.append(target->id);
    }
    return changed;
}

QList<qint64> ApplyRadioGroup(FormatDocument& document, qint64 checkBoxId) {
    QList<qint64> changed;
    if (!IsChecked(document.Content(checkBoxId))) return changed;
    for (qint64 id : FollowRing(document, checkBoxId, LinkField::RCtl, RingKind::Same)) {
        const BoxRecord* box = document.Record(id);
        if (box->kind != BoxKind::Check || !IsChecked(document.Content(id))) continue;
        document.SetContent(id, QString());
        changed.append(id);
    }
    return changed;
}

void RunAids(FormatDocument& document, qint64 boxId, int steps, const AidContext& context) {
    if (!document.Record(boxId)) return;
    AidRun run(document, context);
    run.Add(boxId, steps);
    run.Run();
}
