// Message-map entries for window messages (ON_WM_xxx, ON_MESSAGE, ON_REGISTERED_MESSAGE)
// and for the reflected forms handled by a control itself (ON_WM_xxx_REFLECT). Each entry
// names the handler MFC uses (OnPaint, OnTimer, CtlColor...) in the class of the map.
// Included by CWnd.h.
#pragma once

#include "afxlite/AfxMsgMap.h"
#include "afxlite/CWnd.h"

class CDC;
class CMenu;
class CScrollBar;

// Temporary wrappers for handles carried by messages (valid until the thread's idle time).
AFX_API CDC* AFXAPI AfxDCFromHandle(HDC hDC);
AFX_API CMenu* AFXAPI AfxMenuFromHandle(HMENU hMenu);
// The scroll bar (or other control, such as a slider) that sent WM_HSCROLL/WM_VSCROLL; null
// for the window's own scroll bars.
AFX_API CScrollBar* AFXAPI AfxScrollBarFromHandle(HWND hWnd);

inline CPoint AfxPointFromLParam(LPARAM lParam)
{
    return CPoint(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
}

// ---- Signature adapters of window messages (target: CWnd) ----
// Each: the handler type (Pmf) and how the message's parameters and result map onto it.

#define AFX_WND_SIG(name, pmfType, body)                                                                               \
    struct name {                                                                                                      \
        typedef CWnd Target;                                                                                           \
        typedef pmfType;                                                                                               \
        static BOOL Call(Target* p, Pmf f, AFX_MSGCALL& m) { body }                                                    \
    };

AFX_WND_SIG(AfxSig_v_v, void (CWnd::*Pmf)(), (p->*f)(); return TRUE;)
AFX_WND_SIG(AfxSig_b_v, BOOL (CWnd::*Pmf)(), m.lResult = (p->*f)(); return TRUE;)
AFX_WND_SIG(AfxSig_u_v, UINT (CWnd::*Pmf)(), m.lResult = (p->*f)(); return TRUE;)
AFX_WND_SIG(AfxSig_b_b, BOOL (CWnd::*Pmf)(BOOL), m.lResult = (p->*f)(static_cast<BOOL>(m.wParam)); return TRUE;)
AFX_WND_SIG(AfxSig_v_b, void (CWnd::*Pmf)(BOOL), (p->*f)(static_cast<BOOL>(m.wParam)); return TRUE;)
AFX_WND_SIG(AfxSig_i_CS, int (CWnd::*Pmf)(LPCREATESTRUCT),
            m.lResult = (p->*f)(reinterpret_cast<LPCREATESTRUCT>(m.lParam));
            return TRUE;)
AFX_WND_SIG(AfxSig_b_D, BOOL (CWnd::*Pmf)(CDC*), m.lResult = (p->*f)(AfxDCFromHandle(reinterpret_cast<HDC>(m.wParam)));
            return TRUE;)
AFX_WND_SIG(AfxSig_v_ut, void (CWnd::*Pmf)(UINT_PTR), (p->*f)(m.wParam); return TRUE;)
AFX_WND_SIG(AfxSig_v_uii, void (CWnd::*Pmf)(UINT, int, int),
            (p->*f)(static_cast<UINT>(m.wParam), LOWORD(m.lParam), HIWORD(m.lParam));
            return TRUE;)
AFX_WND_SIG(AfxSig_v_ii, void (CWnd::*Pmf)(int, int),
            (p->*f)(static_cast<short>(LOWORD(m.lParam)), static_cast<short>(HIWORD(m.lParam)));
            return TRUE;)
AFX_WND_SIG(AfxSig_v_bu, void (CWnd::*Pmf)(BOOL, UINT),
            (p->*f)(static_cast<BOOL>(m.wParam), static_cast<UINT>(m.lParam));
            return TRUE;)
AFX_WND_SIG(AfxSig_v_uWb, void (CWnd::*Pmf)(UINT, CWnd*, BOOL),
            (p->*f)(LOWORD(m.wParam), CWnd::FromHandle(reinterpret_cast<HWND>(m.lParam)), HIWORD(m.wParam) != 0);
            return TRUE;)
AFX_WND_SIG(AfxSig_v_up, void (CWnd::*Pmf)(UINT, CPoint),
            (p->*f)(static_cast<UINT>(m.wParam), AfxPointFromLParam(m.lParam));
            return TRUE;)
AFX_WND_SIG(AfxSig_b_usp, BOOL (CWnd::*Pmf)(UINT, short, CPoint),
            m.lResult = (p->*f)(LOWORD(m.wParam), static_cast<short>(HIWORD(m.wParam)), AfxPointFromLParam(m.lParam));
            return TRUE;)
AFX_WND_SIG(AfxSig_b_Wuu, BOOL (CWnd::*Pmf)(CWnd*, UINT, UINT),
            m.lResult = (p->*f)(CWnd::FromHandle(reinterpret_cast<HWND>(m.wParam)), LOWORD(m.lParam), HIWORD(m.lParam));
            return TRUE;)
AFX_WND_SIG(AfxSig_l_p, LRESULT (CWnd::*Pmf)(CPoint), m.lResult = (p->*f)(AfxPointFromLParam(m.lParam)); return TRUE;)
AFX_WND_SIG(AfxSig_v_bNC, void (CWnd::*Pmf)(BOOL, NCCALCSIZE_PARAMS*),
            (p->*f)(static_cast<BOOL>(m.wParam), reinterpret_cast<NCCALCSIZE_PARAMS*>(m.lParam));
            return TRUE;)
// Focus changes name the other window in WPARAM, capture changes in LPARAM.
AFX_WND_SIG(AfxSig_v_W, void (CWnd::*Pmf)(CWnd*), (p->*f)(CWnd::FromHandle(reinterpret_cast<HWND>(m.wParam)));
            return TRUE;)
AFX_WND_SIG(AfxSig_v_W2, void (CWnd::*Pmf)(CWnd*), (p->*f)(CWnd::FromHandle(reinterpret_cast<HWND>(m.lParam)));
            return TRUE;)
AFX_WND_SIG(AfxSig_v_uuu, void (CWnd::*Pmf)(UINT, UINT, UINT),
            (p->*f)(static_cast<UINT>(m.wParam), LOWORD(m.lParam), HIWORD(m.lParam));
            return TRUE;)
AFX_WND_SIG(AfxSig_v_uuS, void (CWnd::*Pmf)(UINT, UINT, CScrollBar*),
            (p->*f)(LOWORD(m.wParam), HIWORD(m.wParam), AfxScrollBarFromHandle(reinterpret_cast<HWND>(m.lParam)));
            return TRUE;)
AFX_WND_SIG(AfxSig_hb_DWu, HBRUSH (CWnd::*Pmf)(CDC*, CWnd*, UINT),
            m.lResult = reinterpret_cast<LRESULT>((p->*f)(AfxDCFromHandle(reinterpret_cast<HDC>(m.wParam)),
                                                          CWnd::FromHandle(reinterpret_cast<HWND>(m.lParam)),
                                                          m.message - WM_CTLCOLORMSGBOX));
            return TRUE;)
AFX_WND_SIG(AfxSig_v_iDI, void (CWnd::*Pmf)(int, LPDRAWITEMSTRUCT),
            (p->*f)(static_cast<int>(m.wParam), reinterpret_cast<LPDRAWITEMSTRUCT>(m.lParam));
            m.lResult = TRUE; return TRUE;)
AFX_WND_SIG(AfxSig_v_iMI, void (CWnd::*Pmf)(int, LPMEASUREITEMSTRUCT),
            (p->*f)(static_cast<int>(m.wParam), reinterpret_cast<LPMEASUREITEMSTRUCT>(m.lParam));
            m.lResult = TRUE; return TRUE;)
AFX_WND_SIG(AfxSig_i_iCI, int (CWnd::*Pmf)(int, LPCOMPAREITEMSTRUCT),
            m.lResult = (p->*f)(static_cast<int>(m.wParam), reinterpret_cast<LPCOMPAREITEMSTRUCT>(m.lParam));
            return TRUE;)
AFX_WND_SIG(AfxSig_v_iDE, void (CWnd::*Pmf)(int, LPDELETEITEMSTRUCT),
            (p->*f)(static_cast<int>(m.wParam), reinterpret_cast<LPDELETEITEMSTRUCT>(m.lParam));
            m.lResult = TRUE; return TRUE;)
AFX_WND_SIG(AfxSig_v_Mub, void (CWnd::*Pmf)(CMenu*, UINT, BOOL),
            (p->*f)(AfxMenuFromHandle(reinterpret_cast<HMENU>(m.wParam)), LOWORD(m.lParam), HIWORD(m.lParam) != 0);
            return TRUE;)
AFX_WND_SIG(AfxSig_l_uuM, LRESULT (CWnd::*Pmf)(UINT, UINT, CMenu*),
            m.lResult = (p->*f)(LOWORD(m.wParam), HIWORD(m.wParam),
                                AfxMenuFromHandle(reinterpret_cast<HMENU>(m.lParam)));
            return TRUE;)
AFX_WND_SIG(AfxSig_v_ul, void (CWnd::*Pmf)(UINT, LPARAM), (p->*f)(static_cast<UINT>(m.wParam), m.lParam); return TRUE;)
AFX_WND_SIG(AfxSig_v_MMI, void (CWnd::*Pmf)(MINMAXINFO*), (p->*f)(reinterpret_cast<MINMAXINFO*>(m.lParam));
            return TRUE;)
AFX_WND_SIG(AfxSig_v_Wp, void (CWnd::*Pmf)(CWnd*, CPoint),
            (p->*f)(CWnd::FromHandle(reinterpret_cast<HWND>(m.wParam)), AfxPointFromLParam(m.lParam));
            return TRUE;)
AFX_WND_SIG(AfxSig_v_WP, void (CWnd::*Pmf)(WINDOWPOS*), (p->*f)(reinterpret_cast<WINDOWPOS*>(m.lParam)); return TRUE;)
AFX_WND_SIG(AfxSig_v_hD, void (CWnd::*Pmf)(HDROP), (p->*f)(reinterpret_cast<HDROP>(m.wParam)); return TRUE;)
AFX_WND_SIG(AfxSig_v_PN, void (CWnd::*Pmf)(UINT, LPARAM), (p->*f)(static_cast<UINT>(m.wParam), m.lParam); return TRUE;)
AFX_WND_SIG(AfxSig_l_wl, LRESULT (CWnd::*Pmf)(WPARAM, LPARAM), m.lResult = (p->*f)(m.wParam, m.lParam); return TRUE;)

// Reflected forms, called on the control with the parent's message. CtlColor declines
// (the parent then sees the message) by returning a null brush.
AFX_WND_SIG(AfxSig_hb_Du, HBRUSH (CWnd::*Pmf)(CDC*, UINT),
            HBRUSH hbr = (p->*f)(AfxDCFromHandle(reinterpret_cast<HDC>(m.wParam)), m.message - WM_CTLCOLORMSGBOX);
            m.lResult = reinterpret_cast<LRESULT>(hbr); return hbr != nullptr;)
AFX_WND_SIG(AfxSig_v_DI, void (CWnd::*Pmf)(LPDRAWITEMSTRUCT), (p->*f)(reinterpret_cast<LPDRAWITEMSTRUCT>(m.lParam));
            m.lResult = TRUE; return TRUE;)
AFX_WND_SIG(AfxSig_v_MI, void (CWnd::*Pmf)(LPMEASUREITEMSTRUCT),
            (p->*f)(reinterpret_cast<LPMEASUREITEMSTRUCT>(m.lParam));
            m.lResult = TRUE; return TRUE;)
AFX_WND_SIG(AfxSig_i_CI, int (CWnd::*Pmf)(LPCOMPAREITEMSTRUCT),
            m.lResult = (p->*f)(reinterpret_cast<LPCOMPAREITEMSTRUCT>(m.lParam));
            return TRUE;)
AFX_WND_SIG(AfxSig_v_DE, void (CWnd::*Pmf)(LPDELETEITEMSTRUCT), (p->*f)(reinterpret_cast<LPDELETEITEMSTRUCT>(m.lParam));
            m.lResult = TRUE; return TRUE;)
AFX_WND_SIG(AfxSig_v_uu, void (CWnd::*Pmf)(UINT, UINT), (p->*f)(LOWORD(m.wParam), HIWORD(m.wParam)); return TRUE;)

#undef AFX_WND_SIG

#define AFX_WM_ENTRY(message, Sig, memberFxn) AFX_MSG_ENTRY(message, 0, 0, 0, Sig, memberFxn)

// ---- Window messages ----
#define ON_WM_CREATE() AFX_WM_ENTRY(WM_CREATE, AfxSig_i_CS, &ThisClass::OnCreate)
#define ON_WM_DESTROY() AFX_WM_ENTRY(WM_DESTROY, AfxSig_v_v, &ThisClass::OnDestroy)
#define ON_WM_NCDESTROY() AFX_WM_ENTRY(WM_NCDESTROY, AfxSig_v_v, &ThisClass::OnNcDestroy)
#define ON_WM_PAINT() AFX_WM_ENTRY(WM_PAINT, AfxSig_v_v, &ThisClass::OnPaint)
#define ON_WM_ERASEBKGND() AFX_WM_ENTRY(WM_ERASEBKGND, AfxSig_b_D, &ThisClass::OnEraseBkgnd)
#define ON_WM_TIMER() AFX_WM_ENTRY(WM_TIMER, AfxSig_v_ut, &ThisClass::OnTimer)
#define ON_WM_SIZE() AFX_WM_ENTRY(WM_SIZE, AfxSig_v_uii, &ThisClass::OnSize)
#define ON_WM_MOVE() AFX_WM_ENTRY(WM_MOVE, AfxSig_v_ii, &ThisClass::OnMove)
#define ON_WM_CLOSE() AFX_WM_ENTRY(WM_CLOSE, AfxSig_v_v, &ThisClass::OnClose)
#define ON_WM_SHOWWINDOW() AFX_WM_ENTRY(WM_SHOWWINDOW, AfxSig_v_bu, &ThisClass::OnShowWindow)
#define ON_WM_ACTIVATE() AFX_WM_ENTRY(WM_ACTIVATE, AfxSig_v_uWb, &ThisClass::OnActivate)
#define ON_WM_NCACTIVATE() AFX_WM_ENTRY(WM_NCACTIVATE, AfxSig_b_b, &ThisClass::OnNcActivate)
#define ON_WM_LBUTTONDOWN() AFX_WM_ENTRY(WM_LBUTTONDOWN, AfxSig_v_up, &ThisClass::OnLButtonDown)
#define ON_WM_LBUTTONUP() AFX_WM_ENTRY(WM_LBUTTONUP, AfxSig_v_up, &ThisClass::OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() AFX_WM_ENTRY(WM_LBUTTONDBLCLK, AfxSig_v_up, &ThisClass::OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() AFX_WM_ENTRY(WM_RBUTTONDOWN, AfxSig_v_up, &ThisClass::OnRButtonDown)
#define ON_WM_RBUTTONUP() AFX_WM_ENTRY(WM_RBUTTONUP, AfxSig_v_up, &ThisClass::OnRButtonUp)
#define ON_WM_RBUTTONDBLCLK() AFX_WM_ENTRY(WM_RBUTTONDBLCLK, AfxSig_v_up, &ThisClass::OnRButtonDblClk)
#define ON_WM_MOUSEMOVE() AFX_WM_ENTRY(WM_MOUSEMOVE, AfxSig_v_up, &ThisClass::OnMouseMove)
#define ON_WM_MOUSEWHEEL() AFX_WM_ENTRY(WM_MOUSEWHEEL, AfxSig_b_usp, &ThisClass::OnMouseWheel)
#define ON_WM_MOUSELEAVE() AFX_WM_ENTRY(WM_MOUSELEAVE, AfxSig_v_v, &ThisClass::OnMouseLeave)
#define ON_WM_SETCURSOR() AFX_WM_ENTRY(WM_SETCURSOR, AfxSig_b_Wuu, &ThisClass::OnSetCursor)
#define ON_WM_NCHITTEST() AFX_WM_ENTRY(WM_NCHITTEST, AfxSig_l_p, &ThisClass::OnNcHitTest)
#define ON_WM_NCLBUTTONDOWN() AFX_WM_ENTRY(WM_NCLBUTTONDOWN, AfxSig_v_up, &ThisClass::OnNcLButtonDown)
#define ON_WM_NCLBUTTONUP() AFX_WM_ENTRY(WM_NCLBUTTONUP, AfxSig_v_up, &ThisClass::OnNcLButtonUp)
#define ON_WM_NCLBUTTONDBLCLK() AFX_WM_ENTRY(WM_NCLBUTTONDBLCLK, AfxSig_v_up, &ThisClass::OnNcLButtonDblClk)
#define ON_WM_NCMOUSEMOVE() AFX_WM_ENTRY(WM_NCMOUSEMOVE, AfxSig_v_up, &ThisClass::OnNcMouseMove)
#define ON_WM_NCPAINT() AFX_WM_ENTRY(WM_NCPAINT, AfxSig_v_v, &ThisClass::OnNcPaint)
#define ON_WM_NCCALCSIZE() AFX_WM_ENTRY(WM_NCCALCSIZE, AfxSig_v_bNC, &ThisClass::OnNcCalcSize)
#define ON_WM_SETFOCUS() AFX_WM_ENTRY(WM_SETFOCUS, AfxSig_v_W, &ThisClass::OnSetFocus)
#define ON_WM_KILLFOCUS() AFX_WM_ENTRY(WM_KILLFOCUS, AfxSig_v_W, &ThisClass::OnKillFocus)
#define ON_WM_KEYDOWN() AFX_WM_ENTRY(WM_KEYDOWN, AfxSig_v_uuu, &ThisClass::OnKeyDown)
#define ON_WM_KEYUP() AFX_WM_ENTRY(WM_KEYUP, AfxSig_v_uuu, &ThisClass::OnKeyUp)
#define ON_WM_CHAR() AFX_WM_ENTRY(WM_CHAR, AfxSig_v_uuu, &ThisClass::OnChar)
#define ON_WM_HSCROLL() AFX_WM_ENTRY(WM_HSCROLL, AfxSig_v_uuS, &ThisClass::OnHScroll)
#define ON_WM_VSCROLL() AFX_WM_ENTRY(WM_VSCROLL, AfxSig_v_uuS, &ThisClass::OnVScroll)
#define ON_WM_CTLCOLOR() AFX_WM_ENTRY(WM_CTLCOLOR, AfxSig_hb_DWu, &ThisClass::OnCtlColor)
#define ON_WM_DRAWITEM() AFX_WM_ENTRY(WM_DRAWITEM, AfxSig_v_iDI, &ThisClass::OnDrawItem)
#define ON_WM_MEASUREITEM() AFX_WM_ENTRY(WM_MEASUREITEM, AfxSig_v_iMI, &ThisClass::OnMeasureItem)
#define ON_WM_COMPAREITEM() AFX_WM_ENTRY(WM_COMPAREITEM, AfxSig_i_iCI, &ThisClass::OnCompareItem)
#define ON_WM_DELETEITEM() AFX_WM_ENTRY(WM_DELETEITEM, AfxSig_v_iDE, &ThisClass::OnDeleteItem)
#define ON_WM_INITMENUPOPUP() AFX_WM_ENTRY(WM_INITMENUPOPUP, AfxSig_v_Mub, &ThisClass::OnInitMenuPopup)
#define ON_WM_MENUCHAR() AFX_WM_ENTRY(WM_MENUCHAR, AfxSig_l_uuM, &ThisClass::OnMenuChar)
#define ON_WM_SYSCOMMAND() AFX_WM_ENTRY(WM_SYSCOMMAND, AfxSig_v_ul, &ThisClass::OnSysCommand)
#define ON_WM_GETMINMAXINFO() AFX_WM_ENTRY(WM_GETMINMAXINFO, AfxSig_v_MMI, &ThisClass::OnGetMinMaxInfo)
#define ON_WM_CAPTURECHANGED() AFX_WM_ENTRY(WM_CAPTURECHANGED, AfxSig_v_W2, &ThisClass::OnCaptureChanged)
#define ON_WM_CANCELMODE() AFX_WM_ENTRY(WM_CANCELMODE, AfxSig_v_v, &ThisClass::OnCancelMode)
#define ON_WM_ENABLE() AFX_WM_ENTRY(WM_ENABLE, AfxSig_v_b, &ThisClass::OnEnable)
#define ON_WM_GETDLGCODE() AFX_WM_ENTRY(WM_GETDLGCODE, AfxSig_u_v, &ThisClass::OnGetDlgCode)
#define ON_WM_CONTEXTMENU() AFX_WM_ENTRY(WM_CONTEXTMENU, AfxSig_v_Wp, &ThisClass::OnContextMenu)
#define ON_WM_WINDOWPOSCHANGING() AFX_WM_ENTRY(WM_WINDOWPOSCHANGING, AfxSig_v_WP, &ThisClass::OnWindowPosChanging)
#define ON_WM_WINDOWPOSCHANGED() AFX_WM_ENTRY(WM_WINDOWPOSCHANGED, AfxSig_v_WP, &ThisClass::OnWindowPosChanged)
#define ON_WM_SYSCOLORCHANGE() AFX_WM_ENTRY(WM_SYSCOLORCHANGE, AfxSig_v_v, &ThisClass::OnSysColorChange)
#define ON_WM_DROPFILES() AFX_WM_ENTRY(WM_DROPFILES, AfxSig_v_hD, &ThisClass::OnDropFiles)
#define ON_WM_QUERYNEWPALETTE() AFX_WM_ENTRY(WM_QUERYNEWPALETTE, AfxSig_b_v, &ThisClass::OnQueryNewPalette)
#define ON_WM_PARENTNOTIFY() AFX_WM_ENTRY(WM_PARENTNOTIFY, AfxSig_v_PN, &ThisClass::OnParentNotify)

// Any message, handler LRESULT (WPARAM, LPARAM).
#define ON_MESSAGE(message, memberFxn) AFX_WM_ENTRY(message, AfxSig_l_wl, memberFxn)
// A message number from RegisterWindowMessage, held in the UINT variable nMessageVariable.
#define ON_REGISTERED_MESSAGE(nMessageVariable, memberFxn)                                                             \
    {0, 0, 0, 0, &(nMessageVariable), &AfxDispatchEntry<AfxSig_l_wl>, AFX_HANDLER(AfxSig_l_wl, memberFxn)},

// ---- Reflected messages, handled by the control they concern ----
#define ON_WM_CTLCOLOR_REFLECT() AFX_WM_ENTRY(WM_REFLECT_BASE + WM_CTLCOLOR, AfxSig_hb_Du, &ThisClass::CtlColor)
#define ON_WM_DRAWITEM_REFLECT() AFX_WM_ENTRY(WM_REFLECT_BASE + WM_DRAWITEM, AfxSig_v_DI, &ThisClass::DrawItem)
#define ON_WM_MEASUREITEM_REFLECT() AFX_WM_ENTRY(WM_REFLECT_BASE + WM_MEASUREITEM, AfxSig_v_MI, &ThisClass::MeasureItem)
#define ON_WM_COMPAREITEM_REFLECT() AFX_WM_ENTRY(WM_REFLECT_BASE + WM_COMPAREITEM, AfxSig_i_CI, &ThisClass::CompareItem)
#define ON_WM_DELETEITEM_REFLECT() AFX_WM_ENTRY(WM_REFLECT_BASE + WM_DELETEITEM, AfxSig_v_DE, &ThisClass::DeleteItem)
#define ON_WM_HSCROLL_REFLECT() AFX_WM_ENTRY(WM_REFLECT_BASE + WM_HSCROLL, AfxSig_v_uu, &ThisClass::HScroll)
#define ON_WM_VSCROLL_REFLECT() AFX_WM_ENTRY(WM_REFLECT_BASE + WM_VSCROLL, AfxSig_v_uu, &ThisClass::VScroll)
#define ON_WM_PARENTNOTIFY_REFLECT()                                                                                   \
    AFX_WM_ENTRY(WM_REFLECT_BASE + WM_PARENTNOTIFY, AfxSig_v_PN, &ThisClass::ParentNotify)
