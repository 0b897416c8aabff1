// "Ordnervergleich": the criterion by which the files of a split window's two folders are
// marked.
#pragma once

#include "framework/Dialog.h"
#include "model/FolderCompare.h"

namespace sv
{

class CDlgCompareFolders : public CDialog
{
public:
    explicit CDlgCompareFolders(int criterion);
    int Criterion() const { return m_criterion; }
    void SetCriterion(int criterion) { m_criterion = criterion; }

protected:
    BOOL OnInitDialog() override;
    void OnOk() override;

private:
    int m_criterion;
};

} // namespace sv
