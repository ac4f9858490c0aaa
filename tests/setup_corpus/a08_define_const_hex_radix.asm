        list    p=16f628a
        #include <p16f628a.inc>

#define BRGVAL  d'12'           ; 19200 baud, 4 MHz, BRGH = 1

init
        banksel TXSTA
        movlw   BRGVAL
        movwf   SPBRG
        bsf     TXSTA, BRGH
        bsf     TXSTA, TXEN
        banksel RCSTA
        bsf     RCSTA, SPEN
        bsf     RCSTA, CREN
        return
