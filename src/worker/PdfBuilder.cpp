#include "worker/PdfBuilder.h"

#include "worker/BuildErrors.h"
#include "worker/ImageCompression.h"
#include "worker/PageExport.h"
#include "worker/PdfSyntax.h"
#include "worker/PdfWriting.h"
#include "worker/StampDrawing.h"

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFAcroFormDocumentHelper.hh>
#include <qpdf/QPDFAnnotationObjectHelper.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFOutlineDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>

#include <cmath>
#include <map>
#include <memory>
#include <new>
#include <set>
#include <utility>
#include <vector>

namespace PdfBuilder {
namespace {

struct ResolvedPage
{
    QUrl url;
    QPDF *source = nullptr;
    QPDFObjectHandle page; // in its source
    int rotation = 0;      // as the output shows it: 0, 90, 180 or 270
};

int rotationOf(QPDFObjectHandle page)
{
    QPDFObjectHandle rotate = page.getKey("/Rotate");
    if (!rotate.isNumber()) {
        return 0;
    }
    // Anything but a multiple of 90 is invalid; readers round it down the same way.
    const long long degrees = std::llround(rotate.getNumericValue());
    return normalizedAngle(int(degrees % 360 / 90 * 90));
}

// A number of a source as a direct object of the output.
QPDFObjectHandle number(QPDFObjectHandle value)
{
    if (value.isInteger()) {
        return QPDFObjectHandle::newInteger(value.getIntValue());
    }
    return QPDFObjectHandle::newReal(value.isNumber() ? value.getNumericValue() : 0.0, 4, true);
}

// Deeper outlines than this are taken for loops in a damaged file.
constexpr int maxOutlineDepth = 64;

// Bookmarks of one source rebuilt in the output: only those whose page is an
// output page (pointing at the first output copy of it) and those that point at
// no page but lead somewhere (a web link) or hold kept bookmarks. The kept
// children of a dropped bookmark take its place.
class OutlineCopy
{
public:
    OutlineCopy(QPDF &output, const std::map<QPDFObjGen, QPDFObjectHandle> &pages)
        : m_output(output)
        , m_pages(pages)
    {}

    void copy(QPDF &source)
    {
        QPDFOutlineDocumentHelper outlines(source);
        if (!outlines.hasOutlines()) {
            return;
        }
        std::vector<QPDFObjectHandle> top;
        for (QPDFOutlineObjectHelper &item : outlines.getTopLevelOutlines()) {
            collect(item, 0, top);
        }
        if (top.empty()) {
            return;
        }
        QPDFObjectHandle root = m_output.makeIndirectObject(QPDFObjectHandle::newDictionary());
        root.replaceKey("/Type", QPDFObjectHandle::newName("/Outlines"));
        const int visible = link(root, top);
        root.replaceKey("/Count", QPDFObjectHandle::newInteger(visible));
        m_output.getRoot().replaceKey("/Outlines", root);
    }

private:
    QPDF &m_output;
    const std::map<QPDFObjGen, QPDFObjectHandle> &m_pages;

    // Appends the output items made from `item` to `into`.
    void collect(QPDFOutlineObjectHelper &item, int depth, std::vector<QPDFObjectHandle> &into)
    {
        if (depth > maxOutlineDepth) {
            return;
        }
        std::vector<QPDFObjectHandle> kids;
        for (QPDFOutlineObjectHelper &kid : item.getKids()) {
            collect(kid, depth + 1, kids);
        }
        QPDFObjectHandle target = targetOf(item);
        if (target.isNull()) {
            if (kids.empty()) {
                return; // its page was dropped, or it leads nowhere this output can follow
            }
            if (destinationPage(item).isDictionary()) {
                // A bookmark of a dropped page: its kept children move up.
                into.insert(into.end(), kids.begin(), kids.end());
                return;
            }
        }
        QPDFObjectHandle out = m_output.makeIndirectObject(QPDFObjectHandle::newDictionary());
        out.replaceKey("/Title", QPDFObjectHandle::newUnicodeString(item.getTitle()));
        QPDFObjectHandle colour = item.getObjectHandle().getKey("/C");
        if (colour.isArray() && colour.getArrayNItems() == 3) {
            std::vector<QPDFObjectHandle> rgb;
            for (QPDFObjectHandle &part : colour.getArrayAsVector()) {
                rgb.push_back(number(part));
            }
            out.replaceKey("/C", QPDFObjectHandle::newArray(rgb));
        }
        QPDFObjectHandle style = item.getObjectHandle().getKey("/F");
        if (style.isInteger()) {
            out.replaceKey("/F", QPDFObjectHandle::newInteger(style.getIntValue()));
        }
        if (target.isArray()) {
            out.replaceKey("/Dest", target);
        } else if (target.isDictionary()) {
            out.replaceKey("/A", target);
        }
        if (!kids.empty()) {
            const int visible = link(out, kids);
            // Closed bookmarks count their children negative.
            out.replaceKey("/Count", QPDFObjectHandle::newInteger(
                                         item.getCount() > 0 ? visible : -int(kids.size())));
        }
        into.push_back(out);
    }

    // The page a bookmark points at in its source, or null.
    static QPDFObjectHandle destinationPage(QPDFOutlineObjectHelper &item)
    {
        try {
            return item.getDestPage();
        } catch (const std::exception &) {
            return QPDFObjectHandle::newNull();
        }
    }

    // What the output item leads to: a destination array on an output page, a
    // web-link action, or null.
    QPDFObjectHandle targetOf(QPDFOutlineObjectHelper &item)
    {
        QPDFObjectHandle page = destinationPage(item);
        if (page.isDictionary()) {
            const auto found = m_pages.find(page.getObjGen());
            if (found == m_pages.end()) {
                return QPDFObjectHandle::newNull();
            }
            std::vector<QPDFObjectHandle> dest{found->second};
            std::vector<QPDFObjectHandle> from = item.getDest().getArrayAsVector();
            for (size_t i = 1; i < from.size(); ++i) {
                if (from[i].isNumber()) {
                    dest.push_back(number(from[i]));
                } else if (from[i].isName()) {
                    dest.push_back(QPDFObjectHandle::newName(from[i].getName()));
                } else {
                    dest.push_back(QPDFObjectHandle::newNull());
                }
            }
            return QPDFObjectHandle::newArray(dest);
        }
        QPDFObjectHandle action = item.getObjectHandle().getKey("/A");
        if (action.isDictionary() && action.getKey("/S").isNameAndEquals("/URI") &&
            action.getKey("/URI").isString()) {
            QPDFObjectHandle uri = QPDFObjectHandle::newDictionary();
            uri.replaceKey("/S", QPDFObjectHandle::newName("/URI"));
            uri.replaceKey("/URI",
                           QPDFObjectHandle::newString(action.getKey("/URI").getStringValue()));
            return uri;
        }
        return QPDFObjectHandle::newNull();
    }

    // Makes `items` the children of `parent`; answers how many items show when
    // `parent` is open.
    int link(QPDFObjectHandle parent, const std::vector<QPDFObjectHandle> &items)
    {
        int visible = 0;
        for (size_t i = 0; i < items.size(); ++i) {
            QPDFObjectHandle item = items[i];
            item.replaceKey("/Parent", parent);
            if (i > 0) {
                item.replaceKey("/Prev", items[i - 1]);
            } else {
                item.removeKey("/Prev");
            }
            if (i + 1 < items.size()) {
                item.replaceKey("/Next", items[i + 1]);
            } else {
                item.removeKey("/Next");
            }
            ++visible;
            QPDFObjectHandle count = item.getKey("/Count");
            if (count.isInteger() && count.getIntValue() > 0) {
                visible += count.getIntValueAsInt();
            }
        }
        parent.replaceKey("/First", items.front());
        parent.replaceKey("/Last", items.back());
        return visible;
    }
};

// The title of a source's document information, when it has one.
void copyTitle(QPDF &source, QPDF &output)
{
    QPDFObjectHandle info = source.getTrailer().getKey("/Info");
    QPDFObjectHandle title =
        info.isDictionary() ? info.getKey("/Title") : QPDFObjectHandle::newNull();
    if (!title.isString()) {
        return;
    }
    QPDFObjectHandle out = output.makeIndirectObject(QPDFObjectHandle::newDictionary());
    out.replaceKey("/Title", QPDFObjectHandle::newString(title.getStringValue()));
    output.getTrailer().replaceKey("/Info", out);
}

// Whether the appearances of a page's annotations can be decoded safely: qpdf
// reads them to carry form fields over. A page with one that can't keeps its
// annotations as copied, streams untouched, without joining the output's form.
bool appearancesDecodable(QPDFObjectHandle page)
{
    for (QPDFAnnotationObjectHelper &annotation : QPDFPageObjectHelper(page).getAnnotations()) {
        QPDFObjectHandle appearances = annotation.getAppearanceDictionary();
        if (!appearances.isDictionary()) {
            continue;
        }
        for (const std::string &kind : appearances.getKeys()) {
            QPDFObjectHandle entry = appearances.getKey(kind);
            std::vector<QPDFObjectHandle> streams;
            if (entry.isDictionary()) {
                for (const std::string &state : entry.getKeys()) {
                    streams.push_back(entry.getKey(state));
                }
            } else {
                streams.push_back(entry);
            }
            for (QPDFObjectHandle &stream : streams) {
                if (!PdfSyntax::plausibleDecodeParameters(stream)) {
                    return false;
                }
            }
        }
    }
    return true;
}

// The output of the resolved pages, written.
Result<SharedBytes>
writeOutput(QPDF &output, const BuildPlan &plan, const BuildContext &context,
            const std::vector<ResolvedPage> &resolved,
            const std::map<QPDF *, const std::vector<QPDFObjectHandle> *> &pagesOf,
            PdfWriting::Version version)
{
    output.emptyPDF();
    output.setSuppressWarnings(true);
    QPDFAcroFormDocumentHelper outputForms(output);
    std::map<QPDF *, std::unique_ptr<QPDFAcroFormDocumentHelper>> formsOf;
    std::set<QPDFObjGen> used;
    std::map<QPDFObjGen, QPDFObjectHandle> firstCopyOf; // pages of a single source
    // Copied objects read their stream data from the source's bytes, not from
    // its qpdf objects: a source of several is freed once its pages are copied,
    // so that a merge never holds every source's objects beside the output's.
    std::map<QPDF *, size_t> lastUse;
    for (size_t i = 0; i < resolved.size(); ++i) {
        lastUse[resolved[i].source] = i;
    }
    const bool freeSources = pagesOf.size() > 1 && context.doneWith;
    for (size_t i = 0; i < resolved.size(); ++i) {
        const ResolvedPage &entry = resolved[i];
        if (context.cancel.isCanceled()) {
            return Result<SharedBytes>::canceled();
        }
        QPDFObjectHandle copy = output.copyForeignObject(entry.page);
        if (!used.insert(copy.getObjGen()).second) {
            // The same source page again: a page of its own over the same
            // contents and resources.
            copy = output.makeIndirectObject(copy.shallowCopy());
            used.insert(copy.getObjGen());
        }
        copy.replaceKey("/Type", QPDFObjectHandle::newName("/Page"));
        copy.replaceKey("/Rotate", QPDFObjectHandle::newInteger(entry.rotation));
        output.addPage(copy, false);
        firstCopyOf.emplace(entry.page.getObjGen(), copy);

        auto &forms = formsOf[entry.source];
        if (!forms) {
            forms = std::make_unique<QPDFAcroFormDocumentHelper>(*entry.source);
        }
        if (forms->hasAcroForm() && appearancesDecodable(entry.page)) {
            // Fields are reached from the form, not from the page: without
            // this they would keep their look but could no longer be filled.
            outputForms.fixCopiedAnnotations(copy, entry.page, *forms);
        }
        if (freeSources && lastUse[entry.source] == i) {
            formsOf.erase(entry.source);
            context.doneWith(entry.url);
        }
    }
    const std::vector<QPDFObjectHandle> outputPages = output.getAllPages();

    // Images first, stamps after: the stamps come compact already.
    if (plan.quality) {
        const auto report =
            ImageCompression::compressImages(outputPages, *plan.quality, context.cancel);
        if (report.canceled || context.cancel.isCanceled()) {
            return Result<SharedBytes>::canceled();
        }
    }

    StampDrawing::Embedder stamps(output, outputForms, context.stamps, plan.stampFiles,
                                  plan.quality);
    for (size_t i = 0; i < resolved.size(); ++i) {
        const PageItem &item = plan.pages[qsizetype(i)];
        if (item.stamps.isEmpty()) {
            continue;
        }
        if (context.cancel.isCanceled()) {
            return Result<SharedBytes>::canceled();
        }
        stamps.redraw(outputPages[i], resolved[i].rotation, item.stamps);
        version.raise("1.4", 0); // soft masks
    }

    if (pagesOf.size() == 1) {
        QPDF &source = *pagesOf.begin()->first;
        copyTitle(source, output);
        try {
            OutlineCopy(output, firstCopyOf).copy(source);
        } catch (const std::exception &) {
            // Bookmarks of a damaged outline are not worth losing the file over.
            output.getRoot().removeKey("/Outlines");
        }
    }

    if (context.cancel.isCanceled()) {
        return Result<SharedBytes>::canceled();
    }
    return PdfWriting::write(output, plan.password, version, context.file);
}

// Whether qpdf can walk the source's page tree. It does so recursively, so a
// tree nested deeper than any real file's (a hostile one) would overflow its
// stack, and it refuses a tree that loops; readers show the pages of both.
bool isWalkablePageTree(QPDF &pdf)
{
    constexpr int deepest = 1000;
    std::vector<std::pair<QPDFObjectHandle, int>> todo{{pdf.getRoot().getKey("/Pages"), 0}};
    std::set<QPDFObjGen> nodes;
    while (!todo.empty()) {
        auto [node, depth] = todo.back();
        todo.pop_back();
        QPDFObjectHandle kids =
            node.isDictionary() ? node.getKey("/Kids") : QPDFObjectHandle::newNull();
        if (!kids.isArray()) {
            continue; // a page, or something qpdf passes over
        }
        if (depth >= deepest || (node.isIndirect() && !nodes.insert(node.getObjGen()).second)) {
            return false;
        }
        for (const QPDFObjectHandle &kid : kids.getArrayAsVector()) {
            todo.emplace_back(kid, depth + 1);
        }
    }
    return true;
}

// Whether the plan is every page of one source, in order, as it is: nothing
// turned, stamped or compressed.
bool isWholeSource(const BuildPlan &plan,
                   const std::map<QPDF *, const std::vector<QPDFObjectHandle> *> &pagesOf)
{
    if (pagesOf.size() != 1 || plan.quality ||
        size_t(plan.pages.size()) != pagesOf.begin()->second->size()) {
        return false;
    }
    for (qsizetype i = 0; i < plan.pages.size(); ++i) {
        const PageItem &item = plan.pages[i];
        if (item.source.index != i || normalizedAngle(item.turn) != 0 || !item.stamps.isEmpty()) {
            return false;
        }
    }
    return true;
}

} // namespace

Result<SharedBytes> build(const BuildPlan &plan, const BuildContext &context)
{
    if (plan.quality && plan.quality->pagesAsPictures) {
        return PageExport::buildAsPictures(plan, *plan.quality, context);
    }
    try {
        // Every page is resolved before anything is made, so a closed source
        // fails the build at once.
        std::vector<ResolvedPage> resolved;
        resolved.reserve(size_t(plan.pages.size()));
        std::map<QPDF *, const std::vector<QPDFObjectHandle> *> pagesOf;
        PdfWriting::Version version;
        for (const PageItem &item : plan.pages) {
            QPDF *source = nullptr;
            try {
                source = context.source(item.source.url);
            } catch (const std::exception &) {
                // Shown, yet qpdf can't read the file at all.
                return BuildErrors::onlyAsPictures();
            }
            if (!source) {
                return BuildErrors::missingPage();
            }
            auto known = pagesOf.find(source);
            if (known == pagesOf.end()) {
                try {
                    if (!isWalkablePageTree(*source)) {
                        return BuildErrors::onlyAsPictures();
                    }
                    // Inherited boxes, resources and rotation are moved onto the pages
                    // themselves before any is copied, so each copy stands alone.
                    source->pushInheritedAttributesToPage();
                    known = pagesOf.emplace(source, &source->getAllPages()).first;
                } catch (const std::bad_alloc &) {
                    throw;
                } catch (const std::exception &) {
                    // Shown, yet qpdf can't read the page tree: no page of it can be copied.
                    return BuildErrors::onlyAsPictures();
                }
                version.raise(source->getPDFVersion(), source->getExtensionLevel());
            }
            const auto &pages = *known->second;
            if (item.source.index < 0) {
                return BuildErrors::missingPage();
            }
            // A page the source shows but qpdf doesn't find, or finds as something
            // other than a page, can't be copied; copying it anyway would write
            // a page tree that points at nothing.
            if (size_t(item.source.index) >= pages.size() ||
                !QPDFObjectHandle(pages[size_t(item.source.index)]).isDictionary()) {
                return BuildErrors::onlyAsPictures();
            }
            QPDFObjectHandle page = pages[size_t(item.source.index)];
            resolved.push_back(
                {item.source.url, source, page, normalizedAngle(rotationOf(page) + item.turn)});
        }

        if (isWholeSource(plan, pagesOf)) {
            // Written as it is: nothing to copy, and what no page holds (named
            // destinations, attachments, tags, page labels) stays too. A source
            // that can't be written so is copied page by page below.
            try {
                SharedBytes written = PdfWriting::write(*pagesOf.begin()->first, plan.password,
                                                        version, context.file);
                if (PdfWriting::reopens(written, plan.password, int(plan.pages.size()),
                                        context.file)) {
                    return written;
                }
            } catch (const PdfWriting::FileError &) {
                throw;
            } catch (const std::exception &) {
            }
            if (context.cancel.isCanceled()) {
                return Result<SharedBytes>::canceled();
            }
        }

        auto output = std::make_unique<QPDF>();
        Result<SharedBytes> written =
            writeOutput(*output, plan, context, resolved, pagesOf, version);
        // Freeing the output's many objects takes a while: let the caller
        // choose when.
        if (context.release) {
            context.release(std::move(output));
        }
        output.reset();
        if (!written) {
            return written;
        }
        if (!PdfWriting::reopens(*written, plan.password, int(plan.pages.size()), context.file)) {
            return BuildErrors::onlyAsPictures();
        }
        return written;
    } catch (const PdfWriting::FileError &error) {
        return BuildErrors::fileFailed(error.error);
    } catch (const std::exception &) {
        return BuildErrors::writeFailed();
    }
}

} // namespace PdfBuilder
