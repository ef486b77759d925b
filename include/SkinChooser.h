// CSkinChooser: the modal dialog in which the user picks the client's skin. It lists the skins
// folder, previews the selected skin's main frame, and on OK hands the chosen skin to g_Skin
// (DoModal gives IDOK only when the skin in use changed).
#pragma once

#include "VoDef.h"
#include "Skin.h"

#include <afxwin.h>

class VO_API CSkinChooser : public CDialog {
    DECLARE_DYNAMIC(CSkinChooser)

public:
    explicit CSkinChooser(CWnd* pParent = nullptr);
    ~CSkinChooser() override;

    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    // Refills the list from the skins catalogue and finds the skin in use in it.
    void GetSkinList();
    // Paints the selected skin's main frame over the preview area of pDC.
    void DrawPreview(CDC* pDC);
    void InvalidatePreview();

    afx_msg void OnPaint();
    afx_msg void OnCbnSelchangeSkinList();
    afx_msg void OnBnClickedRefresh();
    afx_msg void OnBnClickedOk();
    DECLARE_MESSAGE_MAP()

    CSkin m_skinPreview;   // the skin being previewed (loads nothing when constructed)
    int m_nCurrent;        // position of the skin in use in the list
    CComboBox m_listSkins; // the list of skins
    CStatic m_wndPreview;  // marks the preview area; only its rectangle is used

private:
    CString SelectedName() const;
    CRect PreviewRect() const;
    void Localise();
};
