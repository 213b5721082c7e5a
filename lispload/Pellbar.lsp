;;; Pellbar.lsp - the LISP application that the Pellbar loader loads into every drawing.
;;; A copy of the loader installed under another name loads the LISP file of that name instead.

(defun PellbarFolder ()
  ;; The folder of the loader module, with its trailing separator.
  (GetPathOfPellbar)
)

(princ "\nPellbar: LISP application loaded.")
(princ)
