(princ)
