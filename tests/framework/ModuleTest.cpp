// Tests of message boxes, string resources and the chain of extension
// libraries.
#include <afx.h>
#include <gtest/gtest.h>

#include "FrameworkTestsRes.h"
#include "AssertCapture.h"
#include "MessageBoxCapture.h"

// A string of this program's own resources.
static const UINT kOwnString = IDS_TEST_STRING;

TEST(MessageBoxTest, EveryBoxGoesThroughTheHandler) {
    MessageBoxCapture boxes(IDNO);
    EXPECT_EQ(IDNO, AfxMessageBox("質問ですか？", MB_YESNO | MB_ICONQUESTION));
    boxes.QueueAnswers({IDYES});
    EXPECT_EQ(IDYES, AfxMessageBox(kOwnString, MB_YESNO));
    ASSERT_EQ(2, boxes.Count());
    EXPECT_EQ("質問ですか？", boxes.Text(0));
    EXPECT_EQ(static_cast<UINT>(MB_YESNO | MB_ICONQUESTION), boxes.Boxes()[0].type);
    EXPECT_EQ("テスト用の文字列", boxes.Text(1));
    EXPECT_EQ(AfxGetAppName(), boxes.Boxes()[1].caption);
}

TEST(AssertTest, DebugBuildsCheckConditionsAndVerifyAlwaysEvaluates) {
    AssertCapture asserts;
    int evaluated = 0;
    ASSERT(1 + 1 == 3);
    VERIFY(++evaluated == 0);
    ASSERT_VALID(static_cast<const CObject*>(nullptr));
    EXPECT_EQ(1, evaluated);
    EXPECT_EQ(AssertionsAreLive() ? 3 : 0, asserts.Count());
}

TEST(ResourceChainTest, StringsAreFoundInTheProgramAndInRegisteredLibraries) {
    CString s;
    ASSERT_TRUE(s.LoadString(kOwnString));
    EXPECT_STREQ("テスト用の文字列", s);

    // A library that is not in the chain is not searched; once linked, it is.
    HMODULE comctl = LoadLibraryA("comctl32.dll");
    ASSERT_NE(nullptr, comctl);
    HINSTANCE before = AfxFindResourceHandle(MAKEINTRESOURCEA(1), RT_MENU);
    AFX_EXTENSION_MODULE module = {FALSE, nullptr, nullptr};
    ASSERT_TRUE(AfxInitExtensionModule(module, comctl));
    {
        CDynLinkLibrary* link = new CDynLinkLibrary(module);
        EXPECT_EQ(link, CDynLinkLibrary::GetFirst());
        EXPECT_EQ(nullptr, FindResourceA(AfxGetResourceHandle(), MAKEINTRESOURCEA(32767), RT_STRING));
    }
    AfxTermExtensionModule(module);
    EXPECT_NE(comctl, CDynLinkLibrary::GetFirst() ? CDynLinkLibrary::GetFirst()->m_hModule : nullptr);
    EXPECT_EQ(before, AfxFindResourceHandle(MAKEINTRESOURCEA(1), RT_MENU));
}

TEST(ExceptionTest, ExceptionsCrossTheLibraryBoundary) {
    try {
        AfxThrowFileException(CFileException::diskFull, 112, "x.dat");
    } catch (CException* e) {
        ASSERT_TRUE(e->IsKindOf(RUNTIME_CLASS(CFileException)));
        char text[8];
        EXPECT_TRUE(e->GetErrorMessage(text, sizeof text));
        EXPECT_LT(strlen(text), sizeof text);  // cut to the buffer
        e->Delete();
    }
    // The out-of-memory exception needs no memory and survives Delete().
    for (int i = 0; i < 2; ++i) {
        try {
            AfxThrowMemoryException();
        } catch (CMemoryException* e) {
            e->Delete();
        }
    }
    int handled = 0;
    TRY { AfxThrowArchiveException(CArchiveException::badClass); }
    CATCH(CFileException, e) {
        (void)e;
        ADD_FAILURE();
    }
    AND_CATCH(CArchiveException, e) {
        EXPECT_EQ(CArchiveException::badClass, e->m_cause);
        ++handled;
    }
    END_CATCH
    EXPECT_EQ(1, handled);
}

TEST(RuntimeClassTest, RegistryAndKinds) {
    EXPECT_EQ(RUNTIME_CLASS(CStringArray), CRuntimeClass::FromName("CStringArray"));
    EXPECT_EQ(nullptr, CRuntimeClass::FromName("cstringarray"));
    EXPECT_TRUE(RUNTIME_CLASS(CArchiveException)->IsDerivedFrom(RUNTIME_CLASS(CException)));
    EXPECT_FALSE(RUNTIME_CLASS(CException)->IsDerivedFrom(RUNTIME_CLASS(CArchiveException)));
    CObject* list = RUNTIME_CLASS(CObList)->CreateObject();
    ASSERT_NE(nullptr, list);
    EXPECT_TRUE(list->IsKindOf(RUNTIME_CLASS(CObList)));
    EXPECT_TRUE(list->IsSerializable());
    delete list;
    EXPECT_EQ(nullptr, RUNTIME_CLASS(CFile)->CreateObject());
}
