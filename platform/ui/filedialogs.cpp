#include <algorithm>

#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>

#include "platform/rtl/classbuilder.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/qtconvert.h"

LT_IMPLEMENT_CLASS(TCommonDialog, TComponent)
{
    P.Property("HelpContext", &TCommonDialog::HelpContext, &TCommonDialog::SetHelpContext).Default(0);
    P.Property("OnClose", &TCommonDialog::OnClose, &TCommonDialog::SetOnClose);
    P.Property("OnShow", &TCommonDialog::OnShow, &TCommonDialog::SetOnShow);
}

LT_IMPLEMENT_CLASS(TOpenDialog, TCommonDialog)
{
    P.Property("DefaultExt", &TOpenDialog::DefaultExt, &TOpenDialog::SetDefaultExt);
    P.Property("FileName", &TOpenDialog::FileName, &TOpenDialog::SetFileName);
    P.Property("Filter", &TOpenDialog::Filter, &TOpenDialog::SetFilter);
    P.Property("FilterIndex", &TOpenDialog::FilterIndex, &TOpenDialog::SetFilterIndex).Default(1);
    P.Property("InitialDir", &TOpenDialog::InitialDir, &TOpenDialog::SetInitialDir);
    P.Property("Options", &TOpenDialog::Options, &TOpenDialog::SetOptions)
        .Default(static_cast<int64_t>(TOpenOptions{ofHideReadOnly, ofEnableSizing}.Bits()));
    P.Property("Title", &TOpenDialog::Title, &TOpenDialog::SetTitle);
}

LT_IMPLEMENT_CLASS(TSaveDialog, TOpenDialog) {}

namespace {
TFileDialogHook& FileDialogHook()
{
    static TFileDialogHook hook;
    return hook;
}

// "Text|*.txt;*.text|All|*.*" -> "Text (*.txt *.text)", "All (*)".
QStringList NameFilters(const std::string& Filter)
{
    const QStringList parts = ToQString(Filter).split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(u';', Qt::SkipEmptyParts);
        for (QString& pattern : patterns) {
            pattern = pattern.trimmed();
            if (pattern == u"*.*")
                pattern = QStringLiteral("*");
        }
        filters << parts[i].trimmed() + QStringLiteral(" (") + patterns.join(u' ') + u')';
    }
    return filters;
}

// The name with the default extension when it has none.
QString WithDefaultExt(const QString& Name, const QString& Ext)
{
    if (Ext.isEmpty() || QFileInfo(Name).fileName().contains(u'.'))
        return Name;
    return Name + u'.' + Ext;
}
} // namespace

void SetFileDialogHook(TFileDialogHook Hook)
{
    FileDialogHook() = std::move(Hook);
}

void TCommonDialog::DoShow()
{
    if (FOnShow)
        FOnShow(this);
}

void TCommonDialog::DoClose()
{
    if (FOnClose)
        FOnClose(this);
}

TOpenDialog::TOpenDialog(TComponent* AOwner) : TCommonDialog(AOwner), FFiles(std::make_unique<TStringList>()) {}

TOpenDialog::~TOpenDialog() = default;

bool TOpenDialog::Execute()
{
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (!FTitle.empty())
        dialog.setWindowTitle(ToQString(FTitle));
    dialog.setAcceptMode(Saving() ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    if (Saving())
        dialog.setFileMode(QFileDialog::AnyFile);
    else if (FOptions.Contains(ofAllowMultiSelect))
        dialog.setFileMode(QFileDialog::ExistingFiles);
    else
        dialog.setFileMode(FOptions.Contains(ofFileMustExist) ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !FOptions.Contains(ofOverwritePrompt));
    const QString ext = ToQString(FDefaultExt.starts_with('.') ? FDefaultExt.substr(1) : FDefaultExt);
    dialog.setDefaultSuffix(ext);
    const QStringList filters = NameFilters(FFilter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        dialog.selectNameFilter(filters[std::clamp(FFilterIndex, 1, static_cast<int>(filters.size())) - 1]);
    }
    const QFileInfo file(ToQString(FFileName));
    if (!FInitialDir.empty())
        dialog.setDirectory(ToQString(FInitialDir));
    else if (!FFileName.empty() && file.isAbsolute())
        dialog.setDirectory(file.absolutePath());
    if (!FFileName.empty())
        dialog.selectFile(file.fileName());

    DoShow();
    const TFileDialogHook& hook = FileDialogHook();
    const bool accepted = hook ? hook(dialog) : dialog.exec() == QDialog::Accepted;
    if (accepted) {
        FFiles->Clear();
        for (const QString& chosen : dialog.selectedFiles())
            FFiles->Add(FromQString(WithDefaultExt(chosen, ext)));
        FFileName = FFiles->Count() > 0 ? FFiles->Strings(0) : std::string();
        const qsizetype filter = filters.indexOf(dialog.selectedNameFilter());
        if (filter >= 0)
            FFilterIndex = static_cast<int>(filter) + 1;
    }
    DoClose();
    return accepted && !FFileName.empty();
}
