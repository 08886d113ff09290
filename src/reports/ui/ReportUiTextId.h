#pragma once

namespace zyn::ReportUiTextId {

// Texts of the report window, its print dialog and its export.
enum : int {
    WarningTitle = 10,
    PrintCaption = 198,
    PrinterFrame = 199,
    PortLabel = 200,
    DriverLabel = 201,
    OrientationFrame = 202,
    SetupButton = 203,
    CopiesLabel = 204,
    AllPagesOption = 205,
    CurrentPageOption = 206,
    PrintButton = 207,
    CancelButton = 208,
    PageOption = 212,
    ExportingStatus = 218,
    TextFileFilter = 221,
    WorkbookFilter = 222,
    PdfTarget = 290,
    ExportRefused = 291,
    PdfFilter = 292,
    PrinterRefused = 293,
};

} // namespace zyn::ReportUiTextId
