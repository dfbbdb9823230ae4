// Tests of the window-free attachment model: registration and its failures,
// every attachment kind, the resolving order, unsolvable rules.
#include <Vokit.h>
#include <gtest/gtest.h>

#include "LayoutTestSupport.h"

namespace {

// The model with its table and its Resize calls in view.
class CProbeForm : public CAttachForm {
public:
    const CAttachEntry& Entry(UINT nID) { return m_arrEntry.GetData()[FindID(nID)]; }
    int Count() const { return m_nEntryCount; }
    int Resize(int cx, int cy) override {
        ++resizeCalls;
        return CAttachForm::Resize(cx, cy);
    }
    int resizeCalls = 0;
};

CRect Rect(CAttachForm& f, UINT nID) {
    CRect rc(-1, -1, -1, -1);
    f.GetRect(nID, &rc);
    return rc;
}

// Registers nID at rc with the rules given as (code, value) pairs.
int Put(CAttachForm& f, UINT nID, const CRect& rc, std::initializer_list<CAttachArg> args) {
    f.SetRect(nID, &rc);
    return f.SetAttach(nID, args.begin(), static_cast<int>(args.size()));
}

}  // namespace

TEST(AttachFormTest, RegistrationLookupAndRemoval) {
    CProbeForm f;
    EXPECT_EQ(CSize(0, 0), f.GetSize());
    EXPECT_EQ(0, f.Resize(10, 10));  // not realized
    CRect rc(7, 7, 7, 7);
    EXPECT_EQ(0, f.GetRect(5, &rc));
    EXPECT_EQ(CRect(7, 7, 7, 7), rc);

    for (UINT id : {5u, 6u, 7u}) EXPECT_EQ(1, f.SetRect(id, CRect(id, 0, id + 10, 10)));
    const CAttachEntry& e = f.Entry(6);
    EXPECT_EQ(0, e.nKind[0] | e.nKind[1] | e.nKind[2] | e.nKind[3]);
    EXPECT_EQ(CRect(INT_MAX, INT_MAX, INT_MAX, INT_MAX), CRect(e.rcGiven));
    EXPECT_EQ(CRect(0, 0, 0, 0), CRect(e.rcPercent));
    EXPECT_EQ(0u, e.nRefID[0] | e.nRefID[1] | e.nRefID[2] | e.nRefID[3]);
    EXPECT_EQ(1, f.Dettach(99));
    EXPECT_EQ(3, f.Count());
    EXPECT_EQ(1, f.Dettach(6));
    EXPECT_EQ(2, f.Count());
    EXPECT_EQ(-1, f.FindID(6));
    EXPECT_EQ(1, f.FindID(7));
    EXPECT_EQ(CRect(7, 0, 17, 10), Rect(f, 7));
}

TEST(AttachFormTest, SetAttachStoresRulesAndRejectsBadOnes) {
    CProbeForm f;
    EXPECT_EQ(1, Put(f, 1, CRect(0, 0, 10, 10),
                     {{AT_TOP, AK_CTRL_SAME},
                      {AR_TOP, 9},
                      {AT_LEFT, AK_FORM},
                      {AR_LEFT, 9},
                      {AO_LEFT, 4},
                      {AT_RIGHT, AK_FORM_PERCENT},
                      {AP_RIGHT, 30},
                      {AT_BOTTOM, 7}}));
    const CAttachEntry* e = &f.Entry(1);
    EXPECT_EQ(9u, e->nRefID[0]);
    EXPECT_EQ(0u, e->nRefID[1]);  // only kinds 2, 4 and 6 keep a reference
    EXPECT_EQ(4, e->rcGiven.left);
    EXPECT_EQ(30, e->rcPercent.right);
    EXPECT_EQ(7, e->nKind[3]);  // unknown kinds are stored

    // A second call keeps the kinds it does not name but drops given offsets.
    EXPECT_EQ(1, f.SetVaAttach(1, AT_LEFT, AK_NONE, A_END));
    e = &f.Entry(1);
    EXPECT_EQ(AK_CTRL_SAME, e->nKind[0]);
    EXPECT_EQ(AK_NONE, e->nKind[1]);
    EXPECT_EQ(INT_MAX, e->rcGiven.left);

    // Failures remove the entry, also one registered before.
    EXPECT_EQ(0, f.SetVaAttach(1, 1, 1, 99, 0, 0));
    EXPECT_EQ(-1, f.FindID(1));
    CAttachArg end[] = {{AT_TOP, AK_FORM}, {A_END, 0}};
    EXPECT_EQ(0, f.SetAttach(2, end, 2));
    EXPECT_EQ(0, f.SetVaAttach(3, AT_BOTTOM, AK_CTRL_PERCENT, AP_BOTTOM, 50, A_END));
    EXPECT_EQ(0, f.SetAttach(4, nullptr, 1));
    EXPECT_EQ(0, f.Count());
    // No pairs: nothing registered; an empty array registers without rules.
    EXPECT_EQ(1, f.SetVaAttach(5, A_END));
    EXPECT_EQ(-1, f.FindID(5));
    EXPECT_EQ(1, f.SetAttach(5, nullptr, 0));
    EXPECT_EQ(0, f.FindID(5));
}

TEST(AttachFormTest, FormKindsFollowTheFormEdges) {
    CProbeForm f;
    f.SetSize(333, 200);
    Put(f, 1, CRect(10, 20, 50, 40), {{AT_TOP, AK_FORM}, {AT_LEFT, AK_FORM}});
    Put(f, 2, CRect(10, 50, 300, 60), {{AT_TOP, AK_FORM}, {AT_LEFT, AK_FORM}, {AT_RIGHT, AK_FORM}});
    Put(f, 3, CRect(280, 5, 320, 15), {{AT_RIGHT, AK_FORM}});
    Put(f, 4, CRect(10, 70, 320, 150), {{1, 1}, {2, 1}, {3, 1}, {4, 1}});
    Put(f, 5, CRect(10, 170, 40, 190), {{AT_TOP, AK_FORM_OPPOSITE}, {AT_BOTTOM, AK_FORM}, {AT_LEFT, AK_FORM_OPPOSITE}});
    Put(f, 7, CRect(10, 0, 40, 10), {{AT_RIGHT, AK_FORM_OPPOSITE}, {AO_RIGHT, 60}, {AT_BOTTOM, AK_FORM_OPPOSITE}});
    Put(f, 6, CRect(100, 0, 200, 10),
        {{AT_LEFT, AK_FORM_PERCENT}, {AP_LEFT, 25}, {AT_RIGHT, AK_FORM_PERCENT}, {AP_RIGHT, 75}});
    ASSERT_EQ(1, f.RealizeAttach());
    EXPECT_EQ(1, f.resizeCalls);
    EXPECT_EQ(CRect(10, 50, 300, 60), Rect(f, 2));  // realizing moves nothing...
    EXPECT_EQ(CRect(30, 0, 60, 10), Rect(f, 7));    // ...but given offsets apply
    EXPECT_EQ(0x1F, f.Entry(6).nFlags);             // vertical axis unattached, all resolved

    ASSERT_EQ(1, f.Resize(501, 260));
    EXPECT_EQ(CSize(501, 260), f.GetSize());
    EXPECT_EQ(CRect(10, 20, 50, 40), Rect(f, 1));
    EXPECT_EQ(CRect(10, 50, 468, 60), Rect(f, 2));
    EXPECT_EQ(CRect(448, 5, 488, 15), Rect(f, 3));
    EXPECT_EQ(CRect(10, 70, 488, 210), Rect(f, 4));
    EXPECT_EQ(CRect(178, 230, 208, 250), Rect(f, 5));
    EXPECT_EQ(CRect(30, 0, 60, 10), Rect(f, 7));
    // Each quotient is truncated by itself: 25*501/100 - 25*333/100 = 125 - 83.
    EXPECT_EQ(CRect(142, 0, 326, 10), Rect(f, 6));
    ASSERT_EQ(1, f.Resize(-7, 200));
    EXPECT_EQ(-1 + 17, Rect(f, 6).left);  // 25*-7/100 truncates toward zero

    ASSERT_EQ(1, f.Resize(333, 200));
    EXPECT_EQ(CRect(10, 70, 320, 150), Rect(f, 4));
    EXPECT_EQ(CRect(100, 0, 200, 10), Rect(f, 6));
}

TEST(AttachFormTest, ControlKindsFollowTheirReferenceInAnyOrder) {
    CProbeForm f;
    f.SetSize(300, 300);
    // Registered before the controls they follow: solved in later passes.
    Put(f, 2, CRect(100, 110, 140, 130),
        {{AT_TOP, AK_CTRL_ADJACENT}, {AR_TOP, 1}, {AT_LEFT, AK_CTRL_SAME}, {AR_LEFT, 1}});
    Put(f, 3, CRect(150, 110, 200, 130),
        {{AT_TOP, AK_CTRL_SAME},
         {AR_TOP, 2},
         {AT_LEFT, AK_CTRL_ADJACENT},
         {AR_LEFT, 2},
         {AT_RIGHT, AK_CTRL_SAME},
         {AR_RIGHT, 1}});
    // Ordovan's list with its two buttons beside it.
    Put(f, 1, CRect(10, 10, 250, 100), {{1, 1}, {3, 1}, {2, 1}, {4, 1}});
    Put(f, 1010, CRect(260, 10, 290, 55), {{1, 1}, {4, 6}, {16, 1}, {12, 50}, {3, 1}});
    Put(f, 1011, CRect(260, 55, 290, 100), {{1, 6}, {13, 1}, {9, 50}, {3, 1}, {4, 1}});
    ASSERT_EQ(1, f.RealizeAttach());
    ASSERT_EQ(1, f.Resize(350, 400));
    EXPECT_EQ(CRect(10, 10, 300, 200), Rect(f, 1));
    EXPECT_EQ(CRect(100, 210, 140, 230), Rect(f, 2));
    EXPECT_EQ(CRect(150, 210, 250, 230), Rect(f, 3));
    EXPECT_EQ(CRect(310, 10, 340, 105), Rect(f, 1010));
    EXPECT_EQ(CRect(310, 105, 340, 200), Rect(f, 1011));

    // Kind 6 adds a given offset on every edge; given offsets apply at once.
    Put(f, 4, CRect(0, 0, 5, 5),
        {{AT_RIGHT, AK_CTRL_PERCENT}, {AR_RIGHT, 1}, {AP_RIGHT, 50}, {AO_RIGHT, 5}, {AT_LEFT, AK_FORM}, {AO_LEFT, 20}});
    EXPECT_EQ(0, f.Resize(350, 400));  // the new rules are not realized yet
    ASSERT_EQ(1, f.RealizeAttach());
    EXPECT_EQ(CRect(20, 0, 150, 5), Rect(f, 4));
}

TEST(AttachFormTest, UnsolvableRulesMoveNothing) {
    CProbeForm f;
    f.SetSize(100, 100);
    EXPECT_EQ(1, f.RealizeAttach());  // empty table
    EXPECT_EQ(1, f.Resize(50, 50));
    EXPECT_EQ(CSize(100, 100), f.GetSize());

    // A cycle: 1's top needs 2's bottom, which follows 2's top, which needs 1's bottom.
    Put(f, 1, CRect(0, 0, 10, 10), {{AT_TOP, AK_CTRL_ADJACENT}, {AR_TOP, 2}});
    EXPECT_EQ(0, f.RealizeAttach());  // 2 is not registered
    Put(f, 2, CRect(0, 20, 10, 30), {{AT_TOP, AK_CTRL_ADJACENT}, {AR_TOP, 1}});
    EXPECT_EQ(0, f.RealizeAttach());
    EXPECT_EQ(0, f.Resize(200, 200));
    EXPECT_EQ(CRect(0, 20, 10, 30), Rect(f, 2));

    auto realizeAlone = [](std::initializer_list<CAttachArg> args) {
        CProbeForm g;
        Put(g, 1, CRect(0, 0, 10, 10), args);
        return g.RealizeAttach();
    };
    EXPECT_EQ(0, realizeAlone({{AT_TOP, AK_CTRL_SAME}, {AR_TOP, 1}}));  // needs itself
    EXPECT_EQ(0, realizeAlone({{AT_LEFT, 7}}));
    EXPECT_EQ(0, realizeAlone({{AT_LEFT, -1}}));

    // Following one's own other edge is fine.
    CProbeForm g;
    g.SetSize(100, 100);
    Put(g, 1, CRect(0, 0, 10, 10), {{AT_TOP, AK_CTRL_ADJACENT}, {AR_TOP, 1}, {AO_TOP, -30}, {AT_BOTTOM, AK_FORM}});
    ASSERT_EQ(1, g.RealizeAttach());
    ASSERT_EQ(1, g.Resize(100, 150));
    EXPECT_EQ(CRect(0, 30, 10, 60), Rect(g, 1));
}

TEST(AttachFormTest, TableChangesAfterRealizingNeedANewRealize) {
    CProbeForm f;
    f.SetSize(100, 100);
    Put(f, 1, CRect(10, 10, 20, 20), {{AT_RIGHT, AK_FORM}});
    Put(f, 2, CRect(10, 30, 20, 40), {{AT_LEFT, AK_CTRL_SAME}, {AR_LEFT, 1}});
    ASSERT_EQ(1, f.RealizeAttach());
    f.SetRect(1, CRect(10, 10, 30, 20));  // a known ID: still realized
    ASSERT_EQ(1, f.Resize(120, 100));
    EXPECT_EQ(CRect(20, 10, 40, 20), Rect(f, 1));  // kind 0 keeps the recorded width
    EXPECT_EQ(CRect(20, 30, 30, 40), Rect(f, 2));

    f.SetRect(3, CRect(0, 0, 1, 1));
    EXPECT_EQ(0, f.Resize(150, 100));
    ASSERT_EQ(1, f.RealizeAttach());
    f.SetVaAttach(3, AT_TOP, AK_FORM, A_END);
    EXPECT_EQ(0, f.Resize(150, 100));
    ASSERT_EQ(1, f.RealizeAttach());
    f.Dettach(1);
    EXPECT_EQ(0, f.Resize(150, 100));
    EXPECT_EQ(0, f.RealizeAttach());  // 2 lost its reference
    EXPECT_EQ(CRect(20, 30, 30, 40), Rect(f, 2));
}

TEST(AttachFormTest, LargeSizesDoNotOverflowThePercentages) {
    CProbeForm f;
    f.SetSize(1000, 100);
    Put(f, 1, CRect(750, 0, 760, 10), {{AT_LEFT, AK_FORM_PERCENT}, {AP_LEFT, 75}});
    ASSERT_EQ(1, f.RealizeAttach());
    ASSERT_EQ(1, f.Resize(1000000000, 100));
    EXPECT_EQ(750000000, Rect(f, 1).left);
}
