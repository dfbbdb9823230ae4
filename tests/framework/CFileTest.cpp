// Tests of the file classes and of the time class on real files.
#include <afx.h>
#include <gtest/gtest.h>

#include "TempDir.h"

TEST(CFileTest, RenameNeverReplacesAndReportsTheCause) {
    TempDir dir;
    std::string a = dir.WriteFile("a.txt", "AAA");
    std::string b = dir.WriteFile("b.txt", "BBB");
    try {
        CFile::Rename(a.c_str(), b.c_str());
        ADD_FAILURE() << "renaming onto an existing file must fail";
    } catch (CFileException* e) {
        EXPECT_EQ(CFileException::accessDenied, e->m_cause);
        e->Delete();
    }
    EXPECT_EQ("AAA", TempDir::ReadFile(a));
    EXPECT_EQ("BBB", TempDir::ReadFile(b));

    try {
        CFile::Rename((dir / "missing.txt").c_str(), (dir / "c.txt").c_str());
        ADD_FAILURE() << "renaming a missing file must fail";
    } catch (CFileException* e) {
        EXPECT_EQ(CFileException::fileNotFound, e->m_cause);
        e->Delete();
    }

    CFile::Rename(a.c_str(), (dir / "c.txt").c_str());
    EXPECT_FALSE(TempDir::Exists(a));
    EXPECT_EQ("AAA", TempDir::ReadFile(dir / "c.txt"));
}

TEST(CFileTest, OpenReadWriteSeek) {
    TempDir dir;
    std::string path = dir / "data.bin";
    CFileException error;
    CFile missing;
    EXPECT_FALSE(missing.Open((dir / "none\\x.bin").c_str(), CFile::modeRead, &error));
    EXPECT_EQ(CFileException::badPath, error.m_cause);

    {
        CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
        file.Write("hello world", 11);
        EXPECT_EQ(11u, file.GetLength());
    }
    CFile file(path.c_str(), CFile::modeRead);
    char buf[16] = {};
    file.Seek(6, CFile::begin);
    EXPECT_EQ(5u, file.Read(buf, sizeof buf));
    EXPECT_STREQ("world", buf);
    EXPECT_EQ(0u, file.Read(buf, sizeof buf));
    EXPECT_STREQ("data.bin", file.GetFileName());
}

TEST(CStdioFileTest, TextModeWritesCrLfAndReadsLinesBack) {
    TempDir dir;
    std::string path = dir / "lines.txt";
    {
        CStdioFile file;
        ASSERT_TRUE(file.Open(path.c_str(), CFile::modeCreate | CFile::modeWrite | CFile::typeText));
        file.WriteString("\\A\\B\n");
        file.WriteString("二行目\n");
        file.Close();
    }
    EXPECT_EQ("\\A\\B\r\n二行目\r\n", TempDir::ReadFile(path));

    CStdioFile file(path.c_str(), CFile::modeRead | CFile::typeText);
    CString line;
    ASSERT_TRUE(file.ReadString(line));
    EXPECT_STREQ("\\A\\B", line);
    ASSERT_TRUE(file.ReadString(line));
    EXPECT_STREQ("二行目", line);
    EXPECT_FALSE(file.ReadString(line));
}

TEST(CTimeTest, FileTimeIsReadInLocalTime) {
    CTime t(2001, 7, 10, 14, 56, 31);
    EXPECT_EQ(2001, t.GetYear());
    EXPECT_EQ(7, t.GetMonth());
    EXPECT_EQ(10, t.GetDay());
    EXPECT_EQ(14, t.GetHour());
    EXPECT_EQ(56, t.GetMinute());
    EXPECT_EQ(31, t.GetSecond());
    EXPECT_STREQ("2001/07/10 14:56:31", t.Format("%Y/%m/%d %H:%M:%S"));
    EXPECT_STREQ("2001年07月", t.Format("%Y年%m月"));

    // The same moment as a UTC file time converts back to the same fields.
    SYSTEMTIME local = {2001, 7, 0, 10, 14, 56, 31, 500};
    FILETIME localFt, utcFt;
    ASSERT_TRUE(SystemTimeToFileTime(&local, &localFt));
    ASSERT_TRUE(LocalFileTimeToFileTime(&localFt, &utcFt));
    CTime fromFile(utcFt);
    EXPECT_EQ(t, fromFile);                                    // milliseconds are dropped
    EXPECT_EQ(3, CTime(2001, 7, 10, 0, 0, 0).GetDayOfWeek());  // a Tuesday
}
