// Message boxes during a real modal run (where wxTEST_DIALOG would replace
// the modal loop): each is answered at once instead of shown, from a list of
// answers and then with one answer for the rest, and its text is kept, so
// the run cannot hang on one. Other dialogs run as they would.
#pragma once

#include <wx/modalhook.h>
#include <wx/msgdlg.h>

#include <deque>
#include <utility>
#include <vector>

class AnsweredMessages : public wxModalDialogHook {
  public:
    explicit AnsweredMessages(std::deque<int> answers = {}, int nAfter = wxID_OK)
        : m_answers(std::move(answers)), m_nAfter(nAfter) {
        Register();
    }
    ~AnsweredMessages() override { Unregister(); }
    AnsweredMessages(const AnsweredMessages&) = delete;
    AnsweredMessages& operator=(const AnsweredMessages&) = delete;

    std::vector<wxString> m_texts;

  protected:
    int Enter(wxDialog* dlg) override {
        auto* box = dynamic_cast<wxMessageDialog*>(dlg);
        if (box == nullptr) {
            return wxID_NONE;
        }
        m_texts.push_back(box->GetMessage());
        if (m_answers.empty()) {
            return m_nAfter;
        }
        const int nAnswer = m_answers.front();
        m_answers.pop_front();
        return nAnswer;
    }
    void Exit(wxDialog* /*dlg*/) override {}

  private:
    std::deque<int> m_answers;
    int m_nAfter;
};
