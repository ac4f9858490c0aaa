        list    p=16f877a
        #include <p16f877a.inc>

; Fosc = 4 MHz
; USART at 9600 baud
uart_init
        banksel SPBRG
        movlw   D'25'
        movwf   SPBRG
        bsf     TXSTA, BRGH
        bsf     TXSTA, TXEN
        banksel RCSTA
        bsf     RCSTA, SPEN
        bsf     RCSTA, CREN
        return
