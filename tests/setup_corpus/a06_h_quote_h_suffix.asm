        list    p=16f876a
        include <p16f876a.inc>

; ---------------------------------------------------------------
; USART  19200 baud  (20 MHz)
; ---------------------------------------------------------------
usart_setup
        banksel SPBRG
        movlw   H'40'           ; n = 64
        movwf   SPBRG
        movlw   24h
        movwf   TXSTA
        banksel RCSTA
        movlw   90h
        movwf   RCSTA
        return
