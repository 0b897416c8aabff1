// The caption's small dialogs: "Ordner wählen" for a pasted path and "Dateiliste erstellen"
// for the file list on the clipboard.
#pragma once

#include "framework/Dialog.h"

#include <string>

namespace sv
{

class CDlgInsert : public CDialog
{
public:
    explicit CDlgInsert(std::wstring path);
    const std::wstring& Path() const { return m_path; }
    void SetPath(std::wstring path) { m_path = std::move(path); }

protected:
    BOOL OnInitDialog() override;
    void OnOk() override;

private:
    std::wstring m_path;
};

class CDlgCopySelection : public CDialog
{
public:
    // `mode` 0 names only, 1 all columns with the separator.
    CDlgCopySelection(int mode, std::wstring separator);
    int Mode() const { return m_mode; }
    const std::wstring& Separator() const { return m_separator; }
    void SetChoice(int mode, std::wstring separator)
    {
        m_mode = mode;
        m_separator = std::move(separator);
    }

protected:
    BOOL OnInitDialog() override;
    void OnOk() override;

private:
    int m_mode;
    std::wstring m_separator;
};

} // namespace sv
