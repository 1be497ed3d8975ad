#include "PrintFixture.h"

#include "common/ScriptedAsker.h"
#include "print/PrintJob.h"
#include "print/PdfWriterOutput.h"

int PrintToPdf(const Format& format, const Bill& bill, const QString& pdfPath, int copies,
               int* billsPrinted) {
    PdfWriterOutput pdf(pdfPath);
    ScriptedAsker asker;
    PrintJob job(pdf, asker);
    int bills = 0;
    job.onBillPrinted = [&](const Format&, const Bill&) { ++bills; };
    BillPrintRequest request;
    request.copies = copies;
    if (!job.PrintBill(format, bill, request)) return -1;
    if (billsPrinted) *billsPrinted = bills;
    return job.PagesPrinted();
}
