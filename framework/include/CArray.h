// CArray.h - the growable array template and the arrays built on it.
//
// Classes:
//   CArray<TYPE, ARG_TYPE>  ordered, index-addressed array of values
//   CPtrArray               array of void*
//   CDWordArray, CUIntArray arrays of numbers
//
// Out of memory while growing raises CMemoryException; indices outside the
// array are the caller's error but never touch memory outside it (GetAt
// gives a default value, SetAt/RemoveAt ignore them).
#pragma once

#include "CException.h"

#include <new>
#include <stdexcept>
#include <vector>

template <class TYPE, class ARG_TYPE>
class CArray : public CObject {
public:
    CArray() = default;

    int GetSize() const { return static_cast<int>(m_data.size()); }
    int GetCount() const { return GetSize(); }
    BOOL IsEmpty() const { return m_data.empty(); }
    int GetUpperBound() const { return GetSize() - 1; }
    void SetSize(int nNewSize, int nGrowBy = -1) {
        (void)nGrowBy;
        Guard([&] { m_data.resize(nNewSize < 0 ? 0 : static_cast<size_t>(nNewSize)); });
    }
    void FreeExtra() { m_data.shrink_to_fit(); }
    void RemoveAll() {
        m_data.clear();
        m_data.shrink_to_fit();
    }

    TYPE GetAt(int nIndex) const { return IsValid(nIndex) ? m_data[nIndex] : TYPE(); }
    void SetAt(int nIndex, ARG_TYPE newElement) {
        if (IsValid(nIndex)) m_data[nIndex] = newElement;
    }
    TYPE& ElementAt(int nIndex) { return m_data[nIndex]; }
    const TYPE* GetData() const { return m_data.data(); }
    TYPE* GetData() { return m_data.data(); }

    // Sets the element, growing the array when nIndex lies past its end.
    void SetAtGrow(int nIndex, ARG_TYPE newElement) {
        if (nIndex < 0) return;
        if (nIndex >= GetSize()) SetSize(nIndex + 1);
        m_data[nIndex] = newElement;
    }
    int Add(ARG_TYPE newElement) {
        Guard([&] { m_data.push_back(TYPE(newElement)); });
        return GetSize() - 1;
    }
    int Append(const CArray& src) {
        int old = GetSize();
        Guard([&] { m_data.insert(m_data.end(), src.m_data.begin(), src.m_data.end()); });
        return old;
    }
    void Copy(const CArray& src) {
        if (&src != this) Guard([&] { m_data = src.m_data; });
    }

    TYPE operator[](int nIndex) const { return GetAt(nIndex); }
    TYPE& operator[](int nIndex) { return ElementAt(nIndex); }

    void InsertAt(int nIndex, ARG_TYPE newElement, int nCount = 1) {
        if (nIndex < 0 || nCount <= 0) return;
        if (nIndex > GetSize()) SetSize(nIndex);
        TYPE value(newElement);
        Guard([&] { m_data.insert(m_data.begin() + nIndex, static_cast<size_t>(nCount), value); });
    }
    void InsertAt(int nStartIndex, CArray* pNewArray) {
        if (!pNewArray || nStartIndex < 0) return;
        if (nStartIndex > GetSize()) SetSize(nStartIndex);
        std::vector<TYPE> copy = pNewArray->m_data;
        Guard([&] { m_data.insert(m_data.begin() + nStartIndex, copy.begin(), copy.end()); });
    }
    void RemoveAt(int nIndex, int nCount = 1) {
        if (nIndex < 0 || nCount <= 0 || nIndex >= GetSize()) return;
        int last = nIndex + nCount > GetSize() ? GetSize() : nIndex + nCount;
        m_data.erase(m_data.begin() + nIndex, m_data.begin() + last);
    }

protected:
    bool IsValid(int nIndex) const { return nIndex >= 0 && nIndex < GetSize(); }
    template <class F>
    static void Guard(F&& grow) {
        try {
            grow();
        } catch (const std::bad_alloc&) {
            AfxThrowMemoryException();
        } catch (const std::length_error&) {
            AfxThrowMemoryException();
        }
    }

    std::vector<TYPE> m_data;
};

class CPtrArray : public CArray<void*, void*> {};
class CDWordArray : public CArray<DWORD, DWORD> {};
class CUIntArray : public CArray<UINT, UINT> {};
